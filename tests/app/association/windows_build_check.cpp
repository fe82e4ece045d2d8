// Entry point that links the association layer's Windows build; it is built, never run.

#include "app/association/system_backend.h"

int main() {
    obrix::association::registerFileTypeForThisProgram();
    return 0;
}
