#pragma once

namespace testing_support
{

// Under AddressSanitizer, makes every process this one starts from now on keep Mesa's
// software GL driver loaded for its whole life: unloaded before the leak check, the driver
// leaves its bookkeeping reported from "<unknown module>" (test executables keep it loaded
// with dlopen; programs without test code in them need it preloaded). Does nothing in
// other builds.
void keepGlDriverLoadedInChildren();

} // namespace testing_support
