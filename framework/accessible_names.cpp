// SPDX-License-Identifier: MIT
#include "framework/accessible_names.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace {

bool IsLabel(const ControlTemplate& c) {
    if (c.kind != ControlKind::Static || !c.text)
        return false;
    // Dashed separator lines and signs between fields ("<=>") label nothing.
    const QString text = QString::fromUtf8(c.text);
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

bool Overlap(int a, int aLength, int b, int bLength) {
    return a < b + bLength && b < a + aLength;
}

// A combo box as a screen reader should hear it: its label as name, the
// chosen or typed text as value.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* combo = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Value)
            return combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            static_cast<QComboBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* FieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox"))
        if (auto* combo = qobject_cast<QComboBox*>(object))
            return new NamedComboBox(combo);
    return nullptr;
}

}  // namespace

QString TemplateLabelOf(const DialogTemplate& dialog, const ControlTemplate& field) {
    const ControlTemplate* best = nullptr;
    bool bestBeside = false;
    for (const ControlTemplate& c : dialog.controls) {
        if (!IsLabel(c))
            continue;
        // Beside: on the field's line and ending before the field begins.
        const bool beside =
            Overlap(c.y, c.height, field.y, field.height) && c.x + c.width <= field.x + 2;
        // Above: ending before the field's top, over some of its width.
        const bool above =
            c.y + c.height <= field.y + 2 && Overlap(c.x, c.width, field.x, field.width);
        if (beside && (!bestBeside || c.x + c.width > best->x + best->width)) {
            best = &c;
            bestBeside = true;
        } else if (above && !bestBeside && (!best || c.y > best->y)) {
            best = &c;
        }
    }
    if (!best)
        return {};
    QString text = QString::fromUtf8(best->text).trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) text.chop(1);
    return text.trimmed();
}

void InstallFieldAccessibility() {
    QAccessible::installFactory(FieldFactory);  // kept once, however often installed
}
