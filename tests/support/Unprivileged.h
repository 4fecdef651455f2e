#pragma once

#include <functional>

namespace testing_support
{

// Runs the body in a child process without the power to ignore file permissions (as the
// user "nobody" when the tests run as root) and returns its exit status: the body's result,
// or -1 when the child could not give up its privileges or did not end normally. The
// child ends with _exit(), running no destructor of the parent's objects.
int runUnprivileged(const std::function<int()>& body);

} // namespace testing_support
