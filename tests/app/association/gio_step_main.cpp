// One start-up's registration on the GIO backend, for the tests to run as a program named
// Obrix: prints the program folder and the program associated before the step.

#include "app/association/association.h"
#include "app/association/gio_backend.h"

#include <iostream>

int main() {
    obrix::association::GioBackend backend;
    std::cout << backend.programFolder() << '\n' << backend.associatedProgram("OCI") << '\n';
    obrix::association::RegisterFileType(backend, "Obrix");
    return 0;
}
