#pragma once

#include "Form.h"

namespace tarovin {

// Stands in for a screen that is not there yet: an empty window titled
// "咕嚕果" whose close box returns to the menu.
class EmptyScreen final : public Form {
public:
    EmptyScreen(Services& services, const QString& name);
    void Form_QueryUnload() override;

protected:
    void design() override {}
};

} // namespace tarovin
