#pragma once

#include <functional>

// Ending the program: every window goes away and the event loop returns.
// Tests put a handler of their own in its place to see that the program
// would end without ending the test.
namespace Program {

void end();
void setEndHandler(std::function<void()> handler);

} // namespace Program
