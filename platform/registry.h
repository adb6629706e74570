#pragma once

#include <memory>

namespace platform {

// The one place where the implementation of each platform interface is chosen. Without an
// installed one, the Linux implementation is made on first use; a test may install a fake of
// one interface and install nullptr afterwards to get the Linux one back.
template <class Interface>
Interface& get();

template <class Interface>
void install(std::unique_ptr<Interface> implementation);

}  // namespace platform
