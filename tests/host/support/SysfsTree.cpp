#include "host/support/SysfsTree.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace talix::testing {

void SysfsTree::add(const QString& classFolder, const QString& device,
                    const Attributes& attributes) {
    const QString folder = root() + '/' + classFolder + '/' + device;
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    for (const auto& [name, contents] : attributes) {
        QFile file(folder + '/' + name);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + file.fileName().toStdString());
        file.write((contents + '\n').toUtf8());
    }
}

} // namespace talix::testing
