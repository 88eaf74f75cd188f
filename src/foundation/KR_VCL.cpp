#include "foundation/KR_VCL.h"

TKR_CheckBox::TKR_CheckBox(QWidget* parent) : TKR_CheckBox(QString(), parent) {}

TKR_CheckBox::TKR_CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    // clicked() comes from user clicks and click() only, never from setChecked().
    connect(this, &QCheckBox::clicked, this, &TKR_CheckBox::WriteVariable);
}

void TKR_CheckBox::Bind(bool* variable, const QString& caption)
{
    if (variable) setChecked(*variable);
    m_variable = variable;
    if (!caption.isEmpty()) setText(caption);
}

void TKR_CheckBox::WriteVariable()
{
    if (m_variable) *m_variable = isChecked();
}

TKR_StringHolder::TKR_StringHolder(QObject* parent) : QObject(parent) {}
