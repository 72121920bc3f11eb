#include "controls/FieldHighlight.h"

#include "base/Tags.h"

#include <QLineEdit>
#include <QStyle>
#include <QVariant>

namespace talix::controls {

namespace {
constexpr const char* kStyleLookup = "StyleLookup";
constexpr const char* kTagObject = "TagObject";
} // namespace

void setEditStyle(QWidget* edit, const char* style) {
    if (edit == nullptr || editStyleOf(edit) == QLatin1String(style))
        return;
    edit->setProperty(kStyleLookup, QString::fromLatin1(style));
    // Style sheets select on the property: apply the new look now.
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
    edit->update();
}

QString editStyleOf(const QWidget* edit) {
    return edit ? edit->property(kStyleLookup).toString() : QString();
}

QLineEdit* currentField(const QWidget* form) {
    if (form == nullptr)
        return nullptr;
    return qobject_cast<QLineEdit*>(form->property(kTagObject).value<QObject*>());
}

void setCurrentField(QWidget* form, QLineEdit* edit) {
    if (form)
        form->setProperty(kTagObject, QVariant::fromValue<QObject*>(edit));
}

QLineEdit* editWithTag(const QWidget* form, int tag) {
    if (form == nullptr)
        return nullptr;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        if (tagOf(edit) == tag)
            return edit;
    return nullptr;
}

void selectFormField(QWidget* form, int tag) {
    QLineEdit* found = editWithTag(form, tag);
    if (found == nullptr)
        return;
    setEditStyle(currentField(form), "Edit1Style3");
    setEditStyle(found, "Edit1Style4");
    setCurrentField(form, found);
}

} // namespace talix::controls
