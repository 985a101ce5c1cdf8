#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class Services;

// Every form of the program by its name. A form is created the first time it is needed and from then
// on only hidden and shown, so its controls keep their state for the rest of the run. Closing any
// form with its window's close control ends the program (exit code 0, no file touched).
class WindowChain : public QObject {
public:
    using Factory = std::function<QWidget*()>;

    explicit WindowChain(Services& services);
    ~WindowChain() override;

    void add(const QString& name, Factory factory);

    // The form, created (but not shown) on first use.
    QWidget* form(const QString& name);
    // The form if it has been created, else nullptr.
    QWidget* existing(const QString& name) const;

    void show(const QString& name);
    // Hides `from` and shows the form named `to`.
    void moveOn(QWidget* from, const QString& to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Services& m_services;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_forms;
};
