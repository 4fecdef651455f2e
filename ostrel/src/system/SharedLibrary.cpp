#include "system/SharedLibrary.h"

#include <dlfcn.h>

namespace ostrel
{

SharedLibrary::SharedLibrary(const std::string& name) : m_handle(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

void* SharedLibrary::symbol(const char* name) const
{
    return m_handle ? dlsym(m_handle.get(), name) : nullptr;
}

void SharedLibrary::Closer::operator()(void* handle) const
{
    dlclose(handle);
}

} // namespace ostrel
