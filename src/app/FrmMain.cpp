#include "FrmMain.h"

#include "DimList.h"
#include "ErrorBoundary.h"
#include "FormStyle.h"
#include "FrmDir.h"
#include "MusicLoop.h"
#include "PlacedControls.h"
#include "Registry.h"
#include "Services.h"
#include "WindowChain.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int FrameTop = 240;
constexpr int FrameHome = 240;
// All but the frame's rightmost 135 twips lie left of the window.
constexpr int FrameStart = -2040;
constexpr int SlideStepTwips = 10;

struct EditionOption {
    const char* caption;
    QRect twipsArea;
};

const std::array<EditionOption, 3> EditionOptions{{
    {"Retail Cstrike", twipsRect(480, 600, 1455, 495)},
    {"Normal Cstrike", twipsRect(480, 1080, 1695, 495)},
    {"Specify yourself", twipsRect(480, 1560, 1695, 495)},
}};

// EditionChoice values; "Retail Cstrike" also stands for anything unexpected.
constexpr int NormalCstrike = 1;
constexpr int SpecifyYourself = 2;

} // namespace

FrmMain::FrmMain(WindowChain& chain, Services& services, DimList& dims, const QString& programFolder)
    : m_chain(chain), m_services(services), m_dims(dims),
      m_music(new MusicLoop(services.music(), programFolder, this)), m_frameLeft(FrameHome) {
    setUpForm(this, QStringLiteral("Zentrimo"), twipsSize(2685, 3105),
              QStringLiteral(":/pictures/background_main.svg"));
    m_frmSelecter = placeControl<QGroupBox>(this, QStringLiteral("frmSelecter"),
                                            twipsRect(FrameHome, FrameTop, 2175, 2295),
                                            QStringLiteral("Cstrike Versions:"));
    setTextColour(m_frmSelecter, Cyan, DarkTeal);

    // The options stand on the window over the frame, so they do not travel with it.
    auto* group = new QButtonGroup(this);
    for (std::size_t index = 0; index < EditionOptions.size(); ++index) {
        auto* option = placeControl<QRadioButton>(this, QStringLiteral("optVersion_%1").arg(index),
                                                  EditionOptions[index].twipsArea,
                                                  QString::fromLatin1(EditionOptions[index].caption));
        // The table was drawn for a narrower system font: an option never cuts its caption short.
        option->resize(std::max(option->width(), option->sizeHint().width()), option->height());
        option->setProperty("Tag", QString::number(index));
        setTextColour(option, Cyan, DarkTeal);
        option->hide();
        group->addButton(option);
        option->installEventFilter(this);
        m_optVersion[index] = option;
    }
    m_cmdNext1 = placeButton(this, QStringLiteral("cmdNext1"), QStringLiteral("&Next"),
                             twipsRect(720, 2640, 1215, 375));
    m_cmdNext1->hide();
    chainTabOrder({m_frmSelecter, m_optVersion[0], m_optVersion[1], m_optVersion[2], m_cmdNext1});

    m_tmrTimer = new QTimer(this);
    m_tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    m_tmrTimer->setInterval(1);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(250);

    connect(m_tmrTimer, &QTimer::timeout, this, &FrmMain::slideStep);
    connect(m_timer1, &QTimer::timeout, this, &FrmMain::revealStep);
    connect(group, &QButtonGroup::buttonClicked, this, &FrmMain::chooseEdition);
    connect(m_cmdNext1, &QPushButton::clicked, this,
            [this] { guarded(m_services, [this] { routeByEdition(); }); });
}

bool FrmMain::load() {
    if (!musicFilesPresent(m_services, m_music->folder()))
        return false;
    m_music->start();
    m_frameLeft = FrameStart;
    m_frmSelecter->move(twips(m_frameLeft), m_frmSelecter->y());
    m_dims.EditionChoice = "0";
    m_tmrTimer->start();
    return true;
}

void FrmMain::slideStep() {
    m_frameLeft += SlideStepTwips;
    m_frmSelecter->move(twips(m_frameLeft), m_frmSelecter->y());
    // Equality, not "reached or passed": the steps land on the home position exactly.
    if (m_frameLeft == FrameHome) {
        m_tmrTimer->stop();
        m_timer1->start();
    }
}

void FrmMain::revealStep() {
    // From the last control back to the first, so that each tick shows exactly one more.
    const std::array<QWidget*, 4> controls{m_optVersion[0], m_optVersion[1], m_optVersion[2], m_cmdNext1};
    for (std::size_t index = controls.size() - 1; index > 0; --index)
        if (!controls[index - 1]->isHidden())
            controls[index]->show();
    controls[0]->show();
    // The window came up before any option could take the keyboard; the first one takes it now,
    // still unchosen.
    if (!focusWidget())
        controls[0]->setFocus();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Arrows choose as they move, as in any option group, also while none has been chosen yet:
    // otherwise the edition in focus would not be the one "&Next" takes.
    const auto option = std::find(m_optVersion.begin(), m_optVersion.end(), watched);
    if (event->type() != QEvent::KeyPress || option == m_optVersion.end())
        return QWidget::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    const auto count = static_cast<int>(m_optVersion.size());
    QRadioButton* next = m_optVersion[(option - m_optVersion.begin() + step + count) % count];
    // While the options are still being revealed, an option not yet shown cannot be chosen.
    if (next->isHidden())
        return true;
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return true;
}

void FrmMain::chooseEdition(QAbstractButton* option) {
    m_dims.EditionChoice = option->property("Tag").toString().toStdString();
}

void FrmMain::routeByEdition() {
    const int edition = QString::fromStdString(m_dims.EditionChoice).toInt();
    if (edition == SpecifyYourself) {
        m_chain.moveOn(this, QStringLiteral("frmSpecify"));
        return;
    }
    m_chain.moveOn(this, QStringLiteral("frmDir"));
    auto* frmDir = qobject_cast<FrmDir*>(m_chain.form(QStringLiteral("frmDir")));
    registry::RegValue installPath;
    const char* key =
        edition == NormalCstrike ? R"(Software\valve\half-life)" : R"(Software\valve\counterstrike)";
    registry::ReadRegValue("HKCU", key, "InstallPath", "S", std::string(), installPath);
    frmDir->setDirectory(QString::fromLocal8Bit(std::get<std::string>(installPath)));
    if (frmDir->directory().isEmpty())
        m_services.showMessage(QStringLiteral(
            "Half-life root not found, try specify another dir. Or choose another cstrike version"));
}

void addMainForm(WindowChain& chain, Services& services, DimList& dims, const QString& programFolder) {
    chain.add(QStringLiteral("frmMain"), [&chain, &services, &dims, programFolder] {
        auto* form = new FrmMain(chain, services, dims, programFolder);
        form->load();
        return form;
    });
}
