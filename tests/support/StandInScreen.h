#pragma once

#include "toolkit/Form.h"

namespace tarovin::test {

// Stands in for a screen that a test did not add, when the screen under test
// opens it: an empty window of that name whose close box returns to the
// menu. Only the names of the game's screens have a stand-in, so a misspelt
// name fails the test as it fails the program.
class StandInScreen final : public Form {
public:
    StandInScreen(Services& services, const QString& name);
    void onCloseRequest() override;

protected:
    void design() override {}
};

} // namespace tarovin::test
