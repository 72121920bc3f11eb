#pragma once

#include <QString>
#include <QTemporaryDir>
#include <map>

namespace talix::testing {

// A sysfs-like class tree in a temporary folder: device folders with attribute files.
class SysfsTree {
public:
    using Attributes = std::map<QString, QString>; // file name -> contents

    // Adds <root>/<classFolder>/<device> with the attributes, each written with a line feed.
    void add(const QString& classFolder, const QString& device, const Attributes& attributes);

    QString root() const { return m_dir.path(); }
    QString folder(const QString& classFolder) const { return root() + '/' + classFolder; }

private:
    QTemporaryDir m_dir;
};

} // namespace talix::testing
