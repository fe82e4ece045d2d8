#include "app/frmSplash.h"

#include "app/app_resources.h"
#include "app/splash_font.h"
#include "ui/accessibility/accessible_names.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace obrix::app {

namespace {

using ui::twipsRect;
using ui::twipsSize;

constexpr int kTimerInterval = 1000; // ms the splash stays up

// Client area and frame, in twips.
constexpr QSize kClientSize = twipsSize(8040, 3915);
constexpr QRect kFrameRect = twipsRect(120, 120, 7740, 3615);
constexpr QRect kLogoRect = twipsRect(945, 840, 2460, 2460);

// The labels on the frame. Positions are in twips relative to the frame; labels marked to size
// themselves to their text keep their anchor (left edge, or centre when centred) and take the
// text's size.
struct LabelDesign {
    QLabel* frmSplash::*member;
    const char* name;
    QRect rect;
    double pointSize;
    Qt::Alignment alignment;
    bool sizesToText;
    const char* text; // UTF-8
};

const LabelDesign kLabels[] = {
    {&frmSplash::Label2, "Label2", twipsRect(240, 240, 5415, 375), 14.25, Qt::AlignLeft, false,
     "Software for clinical practice"},
    {&frmSplash::Label1, "Label1", twipsRect(4680, 480, 1785, 615), 24, Qt::AlignHCenter, false,
     "Velmoor"},
    {&frmSplash::lblProductName, "lblProductName", twipsRect(4485, 1155, 2475, 420), 18,
     Qt::AlignHCenter, true, "Obrix"},
    {&frmSplash::Label3, "Label3", twipsRect(3885, 1755, 3675, 450), 18, Qt::AlignHCenter, false,
     "OCI-R Scoring"},
    {&frmSplash::lblCopyright, "lblCopyright", twipsRect(4080, 2400, 3375, 495), 14.25,
     Qt::AlignLeft, false, "Copyright \xC2\xA9 2023 Velmoor"},
    {&frmSplash::lblCompanyName, "lblCompanyName", twipsRect(4200, 3000, 3135, 330), 14.25,
     Qt::AlignLeft, true, "www.velmoor.example"},
};

// Room for what the font metrics leave out: the stroke a stand-in font gains when it is made bold
// artificially, and anti-aliasing at the glyphs' edges.
constexpr int kInkAllowance = 2;

// Takes the size of the label's text, with room for the overhang of slanted glyphs beyond their
// advance widths. Centred text is placed by its advance, so it needs that room on both sides.
void sizeToText(QLabel& label, Qt::Alignment alignment) {
    const QFontMetrics metrics(label.font());
    const QString text = label.text();
    const int advance = metrics.horizontalAdvance(text);
    const QRect ink = metrics.boundingRect(text);
    const int overhangRight = std::max(0, ink.right() + 1 - advance) + kInkAllowance;
    const int overhangLeft = std::max(0, -ink.left());
    const bool centred = (alignment & Qt::AlignHCenter) != 0;
    const int width =
        centred ? advance + 2 * std::max(overhangLeft, overhangRight) : advance + overhangRight;

    QRect rect = label.geometry();
    const int centre = rect.center().x();
    rect.setSize(QSize(width, metrics.height()));
    if (centred) {
        rect.moveLeft(centre - (width - 1) / 2);
    }
    label.setGeometry(rect);
}

QPalette whitePalette(const QPalette& base) {
    QPalette palette = base;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

} // namespace

frmSplash::frmSplash(StartupSteps steps)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , steps_(std::move(steps)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    // Gone for good once closed, and never a reason for the program to end or to keep running.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kClientSize);
    setPalette(whitePalette(palette()));
    setAutoFillBackground(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    // At least the full second, rather than the few percent early a coarse timer may fire.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::createControls() {
    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    fraMainFrame->setLineWidth(1);
    fraMainFrame->setAutoFillBackground(true);
    fraMainFrame->setGeometry(kFrameRect);

    for (const LabelDesign& design : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(design.text), fraMainFrame);
        label->setObjectName(QString::fromLatin1(design.name));
        label->setFont(splashFont(design.pointSize));
        label->setAlignment(design.alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setGeometry(design.rect);
        this->*design.member = label;
    }

    picLogo = new QLabel(fraMainFrame);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setFrameStyle(QFrame::Box | QFrame::Plain);
    picLogo->setLineWidth(1);
    picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picLogo->setAutoFillBackground(true);
    picLogo->setGeometry(kLogoRect);

    // Measuring the text loads the splash's fonts, and the logo is decoded from its image.
    for (const LabelDesign& design : kLabels) {
        if (design.sizesToText) {
            sizeToText(*(this->*design.member), design.alignment);
        }
    }
    picLogo->setPixmap(logoPixmap());
    // Read as one announcement: the window's name, then its captions in reading order.
    ui::describeByCaptions(*this, QStringLiteral("Obrix is starting"),
                           {Label1, Label2, lblProductName, Label3, lblCopyright, lblCompanyName});
    ui::describe(picLogo, QStringLiteral("Obrix logo"));
}

frmSplash::~frmSplash() = default;

bool frmSplash::event(QEvent* event) {
    if (event->type() == QEvent::Polish && fraMainFrame == nullptr) {
        // The controls are made when the splash is about to show, once the main window is on
        // screen, so that nothing of the splash delays the main window's appearing.
        createControls();
    }
    return QWidget::event(event);
}

void frmSplash::Form_Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;

    // Loading the main window opens a record named on the command line, before anything shows.
    if (steps_.loadMainWindow) {
        mainWindow_ = steps_.loadMainWindow();
    }
    if (mainWindow_) {
        mainWindow_->show();
    }

    // Shown after the main window, so it lies over it.
    centreOnScreen();
    show();
    raise();

    // Started before the registration: a slow registration keeps the splash up no longer than
    // itself, since the tick is handled as soon as the registration has returned.
    Timer1->start();
    // The registration itself follows the splash's first paint (paintEvent).
}

void frmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Queued, so that this paint (and the main window's, exposed before it) reaches the screen
    // before the desktop is asked anything.
    if (loaded_ && !registrationQueued_) {
        registrationQueued_ = true;
        QMetaObject::invokeMethod(this, &frmSplash::registerFileType, Qt::QueuedConnection);
    }
}

void frmSplash::registerFileType() {
    if (registered_) {
        return;
    }
    registered_ = true;
    if (steps_.registerFileType) {
        try {
            steps_.registerFileType();
        } catch (...) {
            // The registration is a courtesy to the desktop shell; start-up goes on without it and
            // the user is not troubled.
        }
    }
}

void frmSplash::Timer1_Timer() {
    Timer1->stop();
    // Without a paint (a window system that never exposed the splash) it runs here.
    registerFileType();
    unloading_ = true;
    close();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Close requests from the user (the window system) are refused. The program's own, such as
    // the closing of every window when the program quits, are not: refusing those would keep the
    // program running after its main window had gone.
    if (event->spontaneous() && !unloading_) {
        event->ignore();
    } else {
        event->accept();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void frmSplash::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

} // namespace obrix::app
