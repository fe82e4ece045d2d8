// Runs the `.oci` file-type registration that Obrix runs at every start-up, and nothing else.

#include "app/association/system_backend.h"

int main() {
    obrix::association::registerFileTypeForThisProgram();
    return 0;
}
