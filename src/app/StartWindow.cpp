#include "app/StartWindow.h"

#include "app/MusicLoop.h"
#include "common/FormStyle.h"
#include "common/PlacedControls.h"
#include "common/RoomForText.h"
#include "common/RunState.h"
#include "common/Services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
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
    QRect twips;
};

const std::array<EditionOption, 3> EditionOptions{{
    {QT_TRANSLATE_NOOP("StartWindow", "Retail Cstrike"), QRect(480, 600, 1455, 495)},
    {QT_TRANSLATE_NOOP("StartWindow", "Normal Cstrike"), QRect(480, 1080, 1695, 495)},
    {QT_TRANSLATE_NOOP("StartWindow", "Specify yourself"), QRect(480, 1560, 1695, 495)},
}};

} // namespace

StartWindow::StartWindow(Services& services, RunState& state, const QString& musicFolder)
    : Form(QStringLiteral("frmMain"), QStringLiteral("Zentrimo"),
           QStringLiteral(":/pictures/background_main.svg")),
      m_services(services), m_state(state), m_music(new MusicLoop(services.music(), musicFolder, this)),
      m_frameLeft(FrameHome) {
    setFixedSize(scale().size(2685, 3105));
    // The frame's caption lies left of the window when it comes up: it is set once the window has been
    // painted, so that no font has to be loaded before.
    m_editionFrame = placeControl<QGroupBox>(this, QStringLiteral("frmSelecter"),
                                             scale().rect(FrameHome, FrameTop, 2175, 2295));
    setTextColour(m_editionFrame, Cyan, DarkTeal);

    // The options stand on the window over the frame, so they do not travel with it.
    auto* group = new QButtonGroup(this);
    for (std::size_t index = 0; index < EditionOptions.size(); ++index) {
        auto* option = placeControl<QRadioButton>(this, QStringLiteral("optVersion_%1").arg(index),
                                                  scale().rect(EditionOptions[index].twips),
                                                  tr(EditionOptions[index].caption));
        option->setProperty("Tag", QString::number(index));
        setTextColour(option, Cyan, DarkTeal);
        setChoiceLook(option);
        option->hide();
        group->addButton(option);
        option->installEventFilter(this);
        m_editionOptions[index] = option;
    }
    m_nextButton =
        placeButton(this, QStringLiteral("cmdNext1"), tr("&Next"), scale().rect(720, 2640, 1215, 375));
    m_nextButton->hide();
    setForwardButton(m_nextButton);
    chainTabOrder(
        {m_editionFrame, m_editionOptions[0], m_editionOptions[1], m_editionOptions[2], m_nextButton});

    m_slideTimer = new QTimer(this);
    m_slideTimer->setObjectName(QStringLiteral("tmrTimer"));
    m_slideTimer->setInterval(1);
    m_revealTimer = new QTimer(this);
    m_revealTimer->setObjectName(QStringLiteral("Timer1"));
    m_revealTimer->setInterval(250);

    connect(m_slideTimer, &QTimer::timeout, this, &StartWindow::slideStep);
    connect(m_revealTimer, &QTimer::timeout, this, &StartWindow::revealStep);
    connect(group, &QButtonGroup::buttonClicked, this, &StartWindow::chooseEdition);
    connect(m_nextButton, &QPushButton::clicked, this, [this] { emit confirmed(chosenEdition()); });
}

void StartWindow::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    // Once the window is on screen: the caption is the first text it shows, and the fonts load for it;
    // the desktop's icon is drawn from its picture at every size the desktop asks for.
    if (m_editionFrame->title().isEmpty())
        QMetaObject::invokeMethod(this, &StartWindow::finishComingUp, Qt::QueuedConnection);
}

void StartWindow::finishComingUp() {
    m_editionFrame->setTitle(tr("Cstrike Versions:"));
    makeRoomForTranslation();
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/zentrimo.svg")));
}

void StartWindow::makeRoomForTranslation() {
    const int nextTop = m_nextButton->y();
    for (QRadioButton* option : m_editionOptions)
        makeRoomForText(option);
    makeRoomForText(m_nextButton);
    // The frame reaches past the widest option as far as it starts before them, and below them as far.
    const int home = scale()(FrameHome);
    const int inset = m_editionOptions[0]->x() - home;
    int width = std::max(m_editionFrame->width(), m_editionFrame->minimumSizeHint().width());
    for (const QRadioButton* option : m_editionOptions)
        width = std::max(width, option->x() + option->width() + inset - home);
    m_editionFrame->resize(width, m_editionFrame->height() + m_nextButton->y() - nextTop);
    setFixedSize(std::max(this->width(), home + width + home), height());
}

bool StartWindow::load() {
    if (!musicFilesPresent(m_services, m_music->folder()))
        return false;
    m_music->start();
    m_frameLeft = FrameStart;
    m_editionFrame->move(scale()(m_frameLeft), m_editionFrame->y());
    m_state.editionChoice = "0";
    m_slideTimer->start();
    return true;
}

void StartWindow::slideStep() {
    m_frameLeft += SlideStepTwips;
    m_editionFrame->move(scale()(m_frameLeft), m_editionFrame->y());
    // Equality, not "reached or passed": the steps land on the home position exactly.
    if (m_frameLeft == FrameHome) {
        m_slideTimer->stop();
        m_revealTimer->start();
    }
}

void StartWindow::revealStep() {
    // From the last control back to the first, so that each tick shows exactly one more.
    const std::array<QWidget*, 4> controls{m_editionOptions[0], m_editionOptions[1], m_editionOptions[2],
                                           m_nextButton};
    for (std::size_t index = controls.size() - 1; index > 0; --index)
        if (!controls[index - 1]->isHidden())
            controls[index]->show();
    controls[0]->show();
    // The window came up before any option could take the keyboard; the first one takes it now,
    // still unchosen.
    if (!focusWidget())
        controls[0]->setFocus();
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
    // Arrows choose as they move, as in any option group, also while none has been chosen yet:
    // otherwise the edition in focus would not be the one "&Next" takes.
    const auto option = std::find(m_editionOptions.begin(), m_editionOptions.end(), watched);
    if (event->type() != QEvent::KeyPress || option == m_editionOptions.end())
        return Form::eventFilter(watched, event);
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
        return Form::eventFilter(watched, event);
    }
    const auto count = static_cast<int>(m_editionOptions.size());
    QRadioButton* next = m_editionOptions[(option - m_editionOptions.begin() + step + count) % count];
    // While the options are still being revealed, an option not yet shown cannot be chosen.
    if (next->isHidden())
        return true;
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return true;
}

void StartWindow::chooseEdition(QAbstractButton* option) {
    m_state.editionChoice = option->property("Tag").toString().toStdString();
}

Edition StartWindow::chosenEdition() const {
    // The retail edition also stands for anything unexpected.
    switch (QString::fromStdString(m_state.editionChoice).toInt()) {
    case 1:
        return Edition::Steam;
    case 2:
        return Edition::PickedByHand;
    default:
        return Edition::Retail;
    }
}
