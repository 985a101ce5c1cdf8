#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
struct DimList;
class Services;
class WindowChain;

// Shows the proposed game root in txtDir; "&Next" takes it as GameRoot when the game's
// config file is there.
class FrmDir : public QWidget {
    Q_OBJECT
public:
    FrmDir(WindowChain& chain, Services& services, DimList& dims);

    QString directory() const;
    void setDirectory(const QString& directory);

private:
    void confirm();

    WindowChain& m_chain;
    Services& m_services;
    DimList& m_dims;
    QLineEdit* m_txtDir;
};
