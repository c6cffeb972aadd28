#include "OrdinaryUser.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarovin::test {

OrdinaryUser::OrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) {
        why_ = QStringLiteral("No ordinary user to act as: there is no user \"nobody\"");
        return;
    }
    // The group first: once the user is no longer root it may not change it.
    if (::setegid(nobody->pw_gid) != 0 || ::seteuid(nobody->pw_uid) != 0) {
        why_ = QStringLiteral("Cannot act as the user \"nobody\": %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::setegid(0);
        return;
    }
    switched_ = true;
}

OrdinaryUser::~OrdinaryUser()
{
    if (!switched_)
        return;
    if (::seteuid(0) != 0 || ::setegid(0) != 0)
        qFatal("cannot act as root again: %s", std::strerror(errno));
}

} // namespace tarovin::test
