#pragma once

#include "common/Services.h"

#include <memory>

class QtServices : public Services {
public:
    QtServices();
    ~QtServices() override;

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& question, const QString& details = {}) override;
    std::optional<QList<bool>> askApplyLines(const QString& question, const QString& details,
                                             const QList<ReviewLine>& lines) override;
    void beep() override;
    MusicPlayer& music() override;
    void endProgram(int exitCode) override;

private:
    std::unique_ptr<MusicPlayer> m_music;
    bool m_ended = false;
};
