#pragma once

#include <QCheckBox>
#include <QObject>
#include <QStringList>

// A check box that can be bound to a bool variable: every click (by mouse, key or click())
// writes the new state into it; changing the state in code does not.
class TKR_CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TKR_CheckBox(QWidget* parent = nullptr);
    TKR_CheckBox(const QString& caption, QWidget* parent);

    // Shows the variable's state and keeps the variable until Unbind; a non-empty caption
    // replaces the box's text. The variable must outlive the binding.
    void Bind(bool* variable, const QString& caption = QString());
    void Unbind() { m_variable = nullptr; }
    bool* BoundVariable() const { return m_variable; }

private:
    void WriteVariable();

    bool* m_variable = nullptr;
};

// A non-visual component of a form that only holds a list of text lines (a stored page).
class TKR_StringHolder : public QObject
{
    Q_OBJECT

public:
    explicit TKR_StringHolder(QObject* parent = nullptr);

    const QStringList& Strings() const { return m_strings; }
    QStringList& Strings() { return m_strings; }
    // Copies the lines.
    void SetStrings(const QStringList& strings) { m_strings = strings; }

private:
    QStringList m_strings;
};
