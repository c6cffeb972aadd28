#pragma once

#include "toolkit/Form.h"

#include <memory>
#include <vector>

namespace tarovin {

struct Services;

// Creates every screen of the game once for the whole run and registers it
// with the navigator.
class Screens {
public:
    explicit Screens(Services& services);
    ~Screens();

private:
    std::vector<std::unique_ptr<Form>> screens_;
};

} // namespace tarovin
