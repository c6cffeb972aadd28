#pragma once

#include <QString>

namespace tarovin::test {

// Permissions do not stop root. For as long as this object lives, a process
// run by root acts as the user "nobody" (its effective ids only, so the
// change can be undone), and a folder without write permission refuses a new
// file as it does for a player. For anyone else it changes nothing.
// unavailable() says why the change could not be made.
class OrdinaryUser {
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    QString unavailable() const { return why_; }

private:
    bool switched_ = false;
    QString why_;
};

} // namespace tarovin::test
