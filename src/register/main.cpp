// Runs the `.oci` file-type registration that Obrix asks for at every start-up, and nothing
// else, for the Obrix in this program's own folder.

#include "app/association/system_backend.h"

int main() {
    obrix::association::registerFileTypeForThisProgram();
    return 0;
}
