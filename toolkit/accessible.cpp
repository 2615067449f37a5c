#include "toolkit/accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QWidget>

namespace {

struct Description {
    QAccessible::Role role;
    std::function<void()> press;
};

QHash<const QObject *, Description> &descriptions()
{
    static QHash<const QObject *, Description> described;
    return described;
}

bool decorative(const QObject *object)
{
    const auto found = descriptions().constFind(object);
    return found != descriptions().constEnd() && found->role == QAccessible::NoRole;
}

class DescribedControl : public QAccessibleWidget
{
public:
    DescribedControl(QWidget *widget, const Description &description)
        : QAccessibleWidget(widget, description.role), m_press(description.press)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->accessibleName();
        if (kind == QAccessible::Value) {
            if (const auto *list = qobject_cast<const QComboBox *>(widget()))
                return list->currentText();
        }
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return children().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = children();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<const QComboBox *>(widget()))
            names.prepend(showMenuAction());
        if (m_press)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        auto *list = qobject_cast<QComboBox *>(widget());
        // Queued: a press may open a modal window, and the screen reader waits for its answer.
        if (m_press && action == pressAction())
            QMetaObject::invokeMethod(widget(), m_press, Qt::QueuedConnection);
        else if (list && action == showMenuAction())
            list->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QList<QWidget *> children() const
    {
        QList<QWidget *> shown;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !decorative(child))
                shown.append(child);
        }
        return shown;
    }

    std::function<void()> m_press;
};

QAccessibleInterface *describedInterface(const QString &, QObject *object)
{
    const auto found = descriptions().constFind(object);
    if (found == descriptions().constEnd() || found->role == QAccessible::NoRole)
        return nullptr;
    return new DescribedControl(static_cast<QWidget *>(object), *found);
}

void describe(QWidget *widget, Description description)
{
    static const bool installed = [] {
        QAccessible::installFactory(describedInterface);
        return true;
    }();
    Q_UNUSED(installed)
    if (!descriptions().contains(widget))
        QObject::connect(widget, &QObject::destroyed, [widget] { descriptions().remove(widget); });
    descriptions().insert(widget, std::move(description));
    // Qt may have made and kept its own interface already (a name change makes one); the kept one
    // would go on being reported.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<DescribedControl *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void describeControl(QWidget *widget, QAccessible::Role role, const QString &name,
                     std::function<void()> press)
{
    describe(widget, {role, std::move(press)});
    widget->setAccessibleName(name);
}

void describeAsDecoration(QWidget *widget)
{
    describe(widget, {QAccessible::NoRole, {}});
}
