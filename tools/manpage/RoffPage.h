#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace talix::manpage {

// One option as a manual page lists it: "--name VALUE" and what it does.
struct PageOption {
    QString name;      // without the leading "--"
    QString valueName; // empty for a switch
    QString description;
};

// One file or folder a program reads or writes.
struct PageFile {
    QString path;
    QString description;
};

// The text of a section-1 manual page; everything is plain text, escaped when written.
struct PageText {
    QString program;
    QString version;
    QString summary;
    QStringList description; // paragraphs
    std::vector<PageOption> options;
    QString exitStatus;
    std::vector<PageFile> files;
    QStringList seeAlso; // names of section-1 pages
};

// The page in roff (man macros).
QString roffPage(const PageText& page);

} // namespace talix::manpage
