#include "exercises/frame/CounterField.h"

cCounterField::cCounterField(const QString& name, QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
    setObjectName(name);
    setReadOnly(true);
}

int cCounterField::value() const
{
    bool ok = false;
    const int v = text().trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}

void cCounterField::setValue(int v) { setText(QString::number(v)); }
