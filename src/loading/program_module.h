#pragma once

// The program's own modules: shared libraries installed with it that it loads only when a command
// first needs them, so that starting the program does not pay for the libraries they link.

#include <string>

namespace obrix::loading {

// Loads the module fileName, looked for beside the executable (a build tree) and then in the
// program's module folder, and returns the address of its entry point symbol. Returns nullptr
// with the reason in error when neither place has a module with that entry point. A loaded
// module stays loaded for the rest of the run.
void* programModuleSymbol(const std::string& fileName, const char* symbol, std::string& error);

} // namespace obrix::loading
