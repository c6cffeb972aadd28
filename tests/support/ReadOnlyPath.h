#pragma once

#include <QFileDevice>
#include <QString>

namespace tarovin::test {

// Makes a file or a folder refuse every write, the way a player's read-only
// store file or folder does, until lift() or the end of the object. An
// ordinary user loses the write permission; root, whom permissions do not
// stop, gets the file system's immutable flag instead. The refusal is tried
// out before the test relies on it: unavailable() says why the path still
// takes writes (a file system without the flag, no right to set it), and is
// empty when it really refuses them.
class ReadOnlyPath {
public:
    explicit ReadOnlyPath(const QString& path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    QString unavailable() const { return why_; }
    void lift();

private:
    bool refusesWrites() const;

    QString path_;
    bool active_ = false;
    bool immutable_ = false;
    QFileDevice::Permissions before_;
    QString why_;
};

} // namespace tarovin::test
