// How the splash window looks: window kind and size, the controls' places and fonts, the logo,
// the program's icon, and that every text is fully readable.

#include "app/app_resources.h"
#include "app/frmSplash.h"

#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

using obrix::app::frmSplash;

namespace {

// Polished, as just before it first shows: the fitted label sizes and the logo are made then.
std::unique_ptr<frmSplash> makeSplash() {
    auto splash = std::make_unique<frmSplash>(obrix::app::StartupSteps{});
    splash->ensurePolished();
    return splash;
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

} // namespace

class SplashLookTest : public QObject {
    Q_OBJECT

private slots:
    void isABorderlessWhiteWindowOfFixedSize();
    void appearsCentredOnTheScreen();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void labelsAreBoldItalicChancery_data();
    void labelsAreBoldItalicChancery();
    void noLabelTextIsClipped();
    void showsTheLogo();
    void iconHoldsTheWindowIconSizes();
};

void SplashLookTest::isABorderlessWhiteWindowOfFixedSize() {
    auto splash = makeSplash();

    QCOMPARE(splash->windowType(), Qt::SplashScreen);
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->windowTitle().isEmpty());
    QVERIFY(!splash->isVisible());
    QCOMPARE(splash->size(), QSize(536, 261));
    QCOMPARE(splash->minimumSize(), splash->maximumSize());
    QCOMPARE(splash->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(splash->fraMainFrame->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(splash->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!splash->testAttribute(Qt::WA_QuitOnClose));

    QCOMPARE(splash->Timer1->interval(), 1000);
    QVERIFY(!splash->Timer1->isActive());
}

void SplashLookTest::appearsCentredOnTheScreen() {
    auto splash = makeSplash();
    splash->Form_Load();

    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint offset = splash->frameGeometry().center() - screenCentre;
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void SplashLookTest::controlsSitWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected"); // pixels, relative to the parent
    QTest::addColumn<bool>("sizesToText");

    QTest::newRow("fraMainFrame") << "fraMainFrame" << QRect(8, 8, 516, 241) << false;
    QTest::newRow("Label2") << "Label2" << QRect(16, 16, 361, 25) << false;
    QTest::newRow("Label1") << "Label1" << QRect(312, 32, 119, 41) << false;
    QTest::newRow("picLogo") << "picLogo" << QRect(63, 56, 164, 164) << false;
    QTest::newRow("lblProductName") << "lblProductName" << QRect(299, 77, 165, 28) << true;
    QTest::newRow("Label3") << "Label3" << QRect(259, 117, 245, 30) << false;
    QTest::newRow("lblCopyright") << "lblCopyright" << QRect(272, 160, 225, 33) << false;
    QTest::newRow("lblCompanyName") << "lblCompanyName" << QRect(280, 200, 209, 22) << true;
}

void SplashLookTest::controlsSitWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QFETCH(bool, sizesToText);

    auto splash = makeSplash();
    auto* control = splash->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget(),
             name == "fraMainFrame" ? static_cast<QWidget*>(splash.get()) : splash->fraMainFrame);

    const QRect actual = control->geometry();
    if (!sizesToText) {
        QCOMPARE(actual, expected);
        return;
    }
    // A label that sizes itself keeps its top and its anchor: centred text keeps its centre,
    // left-aligned text its left edge.
    QCOMPARE(actual.top(), expected.top());
    const auto* label = qobject_cast<QLabel*>(control);
    if (label->alignment() & Qt::AlignHCenter) {
        QVERIFY(qAbs(actual.center().x() - expected.center().x()) <= 1);
    } else {
        QCOMPARE(actual.left(), expected.left());
    }
    QVERIFY(splash->fraMainFrame->contentsRect().contains(actual));
}

void SplashLookTest::labelsAreBoldItalicChancery_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("pointSize");

    QTest::newRow("Label2") << "Label2" << 14.25;
    QTest::newRow("Label1") << "Label1" << 24.0;
    QTest::newRow("lblProductName") << "lblProductName" << 18.0;
    QTest::newRow("Label3") << "Label3" << 18.0;
    QTest::newRow("lblCopyright") << "lblCopyright" << 14.25;
    QTest::newRow("lblCompanyName") << "lblCompanyName" << 14.25;
}

void SplashLookTest::labelsAreBoldItalicChancery() {
    QFETCH(QString, name);
    QFETCH(double, pointSize);

    auto splash = makeSplash();
    const auto* label = splash->findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QVERIFY(!label->text().isEmpty());

    const QFont font = label->font();
    QCOMPARE(font.family(), QStringLiteral("Monotype Corsiva"));
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(font.pointSizeF(), pointSize);

    // The font actually used: the real family where installed, else a chancery stand-in rather
    // than the system's default sans serif.
    const QFontInfo used(font);
    const QString family = used.family().section(QStringLiteral(" ["), 0, 0); // drop "[foundry]"
    const QStringList acceptable{"Monotype Corsiva", "Z003", "URW Chancery L", "TeX Gyre Chorus"};
    QVERIFY2(acceptable.contains(family), qPrintable(used.family()));
    QVERIFY(used.italic());
}

// A clipped text leaves ink on the label's last column or row (or, centred, on its first
// column); a fully shown one has white there.
void SplashLookTest::noLabelTextIsClipped() {
    auto splash = makeSplash();
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash.get()));

    const auto labels = splash->fraMainFrame->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 7);
    for (QLabel* label : labels) {
        if (label == splash->picLogo) {
            continue;
        }
        const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int dpr = qRound(image.devicePixelRatio());
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        const bool checkLeft = (label->alignment() & Qt::AlignHCenter) != 0;
        bool anyInk = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool white = isWhite(image.pixel(x, y));
                anyInk = anyInk || !white;
                const bool onCheckedEdge =
                    x >= right - dpr + 1 || y >= bottom - dpr + 1 || (checkLeft && x < dpr);
                QVERIFY2(white || !onCheckedEdge,
                         qPrintable(QStringLiteral("%1 \"%2\" is cut off at (%3, %4)")
                                        .arg(label->objectName(), label->text())
                                        .arg(x)
                                        .arg(y)));
            }
        }
        QVERIFY2(anyInk, qPrintable(label->objectName() + " shows nothing"));
    }
}

void SplashLookTest::showsTheLogo() {
    auto splash = makeSplash();
    const QPixmap logo = splash->picLogo->pixmap();
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.size(), QSize(161, 161));
    QVERIFY(splash->picLogo->contentsRect().width() >= 161);
    QVERIFY(splash->picLogo->contentsRect().height() >= 161);
    QCOMPARE(splash->picLogo->frameShape(), QFrame::Box);

    // A grey drawing on white: white corners, grey (never coloured) in the middle.
    const QImage image = logo.toImage();
    QVERIFY(isWhite(image.pixel(0, 0)));
    const QRgb centre = image.pixel(80, 80);
    QVERIFY(!isWhite(centre));
    QCOMPARE(qRed(centre), qGreen(centre));
    QCOMPARE(qGreen(centre), qBlue(centre));
}

void SplashLookTest::iconHoldsTheWindowIconSizes() {
    const QIcon icon = obrix::app::applicationIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64}) {
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }
    // The large image is left to the icon file: on X11 each window-icon image is sent to the
    // display when a window is first shown.
    QVERIFY(!sizes.contains(QSize(256, 256)));
}

QTEST_MAIN(SplashLookTest)
#include "splash_look_test.moc"
