#include "screens/Accessibility.h"

#include "screens/Label.h"
#include "screens/Line.h"
#include "screens/OptionButton.h"
#include "screens/Screen.h"

#include <QAccessibleWidget>

namespace lexitor::screens {

namespace {

class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->isLive() ? QAccessible::Notification : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? label()->accessibleText() : QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled && label()->buddy()) {
            if (QAccessibleInterface* buddy =
                    QAccessible::queryAccessibleInterface(label()->buddy()))
                found.append({buddy, QAccessible::Labelled});
        }
        return found;
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

// Qt tells a radio button that is not exclusive as a check box. The options
// are not exclusive only so that each keeps its own tab stop and is cleared
// after an answer; to assistive technology they are the radio buttons they are.
class OptionInterface : public QAccessibleWidget {
public:
    explicit OptionInterface(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new LabelInterface(static_cast<Label*>(object));
    if (className == QLatin1String(OptionButton::staticMetaObject.className()))
        return new OptionInterface(static_cast<OptionButton*>(object));
    if (className == QLatin1String(Line::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Line*>(object), QAccessible::Separator);
    if (className == QLatin1String(Screen::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Screen*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

} // namespace lexitor::screens
