// The About window: its controls, the links and their visited state, the
// close picture, the keys and where it appears.
#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include "AppInfo.h"
#include "ClosePicture.h"
#include "DialogTestSupport.h"
#include "TAboutBox.h"
#include "TUrlLabel.h"

using dialogtest::MakeBitmaps;
using dialogtest::SamePicture;
using dialogtest::WhenModal;

// Stands in for the desktop: records the URLs it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

namespace {

bool HasPixelOf(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb()) return true;
    return false;
}

QImage Render(QWidget* widget) { return widget->grab().toImage(); }

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsBorderlessAndSized();
    void captionsSitInTheirPlacesWithTheirLooks_data();
    void captionsSitInTheirPlacesWithTheirLooks();
    void linksShowTheMakersAddresses();
    void linkTurnsVisitedOnlyWhenTheDesktopTakesIt();
    void visitedLinkStaysVisitedAtLaterShowings();
    void memoHoldsTheDescriptionAndTheFocus();
    void closePictureAndKeysEndTheShowing();
    void centredAtTheFirstShowingOnly();
};

void AboutBoxTest::windowIsBorderlessAndSized() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox box(bitmaps);
    QCOMPARE(box.size(), QSize(330, 269));
    QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
    auto* background = box.findChild<QLabel*>("AboutImage");
    QVERIFY(background);
    QCOMPARE(background->geometry(), QRect(0, 0, 330, 269));
    QVERIFY(background->hasScaledContents());
    auto* close = box.findChild<TClosePicture*>("CloseImage");
    QVERIFY(close);
    QCOMPARE(close->geometry(), QRect(240, 235, 60, 25));
    QVERIFY(SamePicture(close->Picture(), bitmaps.OkUpBitmap));
    auto* icon = box.findChild<QLabel*>("Image1");
    QVERIFY(icon);
    QCOMPARE(icon->pos(), QPoint(105, 8));
    auto* ok = box.findChild<QAbstractButton*>("OKButton");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isHidden());
}

void AboutBoxTest::captionsSitInTheirPlacesWithTheirLooks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("box");  // an empty size: sized to the text
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("alignment");
    const QColor yellow(255, 255, 0);
    QTest::newRow("name") << "Label9" << "Burrowbop" << QRect(100, 44, 0, 0) << 16 << true
                          << QColor(15, 113, 32) << int(Qt::AlignLeft);
    QTest::newRow("version") << "Label10" << "敲洞乐 版本2.6" << QRect(61, 70, 199, 16) << 13
                             << true << yellow << int(Qt::AlignLeft);
    QTest::newRow("home page") << "LabHomePage" << "主页:" << QRect(24, 104, 65, 13) << 11
                               << false << yellow << int(Qt::AlignRight);
    QTest::newRow("e-mail") << "LabEmail" << "邮箱:" << QRect(16, 125, 73, 13) << 11 << false
                            << yellow << int(Qt::AlignRight);
}

void AboutBoxTest::captionsSitInTheirPlacesWithTheirLooks() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, box);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QColor, color);
    QFETCH(int, alignment);
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    auto* label = about.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), box.topLeft());
    if (box.size().isEmpty())
        QCOMPARE(label->size(), label->sizeHint());
    else
        QCOMPARE(label->size(), box.size());
    QCOMPARE(label->font().pixelSize(), pixels);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QVERIFY(!label->autoFillBackground());
}

void AboutBoxTest::linksShowTheMakersAddresses() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    auto* home = about.findChild<TUrlLabel*>("RzURLLabel4");
    auto* mail = about.findChild<TUrlLabel*>("RzURLLabel1");
    QVERIFY(home && mail);
    const QString homePage = appinfo::kHomePageUrl;
    const QString email = appinfo::kMakerEmail;
    QVERIFY(homePage.contains(".example."));  // an address of our own, never a vendor's
    QCOMPARE(home->Caption(), homePage);
    QCOMPARE(home->Url(), QUrl(homePage));
    QCOMPARE(home->toolTip(), homePage);
    QCOMPARE(home->pos(), QPoint(96, 103));
    QCOMPARE(mail->Caption(), email);
    QCOMPARE(mail->Url(), QUrl("mailto:" + email));
    QVERIFY(mail->toolTip().isEmpty());
    QCOMPARE(mail->pos(), QPoint(96, 124));
    for (TUrlLabel* link : {home, mail}) {
        QCOMPARE(link->size(), link->sizeHint());
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->font().pixelSize(), 11);
        QVERIFY(!link->Visited());
        // The underline is drawn in the plain unvisited colour.
        QVERIFY(HasPixelOf(Render(link), QColor(60, 60, 120)));
        QVERIFY(!HasPixelOf(Render(link), QColor(130, 95, 70)));
    }
}

void AboutBoxTest::linkTurnsVisitedOnlyWhenTheDesktopTakesIt() {
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "open");
    QWidget window;
    TUrlLabel link(&window);
    link.SetCaption("a link");
    link.SetUrl(QUrl("https://burrowbop.example.org/x"));
    // Pressed inside, released outside: no click.
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(-5, 2));
    QVERIFY(desktop.opened.isEmpty());
    QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(!link.Visited());
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://burrowbop.example.org/x")});
    QVERIFY(link.Visited());
    QVERIFY(HasPixelOf(Render(&link), QColor(130, 95, 70)));
    QDesktopServices::unsetUrlHandler("https");

    // A URL the desktop refuses leaves the label unvisited.
    TUrlLabel refused(&window);
    refused.SetCaption("broken");
    refused.SetUrl(QUrl("http://[not a host"));
    QTest::mouseClick(&refused, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!refused.Visited());
    QVERIFY(HasPixelOf(Render(&refused), QColor(60, 60, 120)));
}

void AboutBoxTest::visitedLinkStaysVisitedAtLaterShowings() {
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler("https", &desktop, "open");
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    auto* home = about.findChild<TUrlLabel*>("RzURLLabel4");
    auto* mail = about.findChild<TUrlLabel*>("RzURLLabel1");
    WhenModal([&](QWidget*) {
        QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(3, 3));
        about.findChild<QAbstractButton*>("OKButton")->click();
    });
    QCOMPARE(about.ShowModal(), 1);
    bool stillVisited = false;
    WhenModal([&](QWidget*) {
        stillVisited = home->Visited() && HasPixelOf(Render(home), QColor(130, 95, 70));
        about.done(1);
    });
    about.ShowModal();
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(stillVisited);
    QVERIFY(!mail->Visited());
}

void AboutBoxTest::memoHoldsTheDescriptionAndTheFocus() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    auto* memo = about.findChild<QPlainTextEdit*>("Memo1");
    QVERIFY(memo);
    QCOMPARE(memo->geometry(), QRect(24, 144, 273, 89));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->toPlainText(),
             QString("这是一个简单但挺有趣的小游戏,你的任务就是用手中的鼠标去击打洞中的老鼠，"
                     "一分钟中之内打得越多越好。"));
    QCOMPARE(memo->document()->blockCount(), 1);
    QCOMPARE(memo->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(memo->palette().color(QPalette::Base), about.palette().color(QPalette::Highlight));
    QCOMPARE(memo->font().pixelSize(), 12);
    bool focused = false;
    QString afterTyping;
    WhenModal([&](QWidget*) {
        focused = memo->hasFocus();
        QTest::keyClicks(memo, "xyz");
        afterTyping = memo->toPlainText();
        about.done(1);
    });
    about.ShowModal();
    QVERIFY(focused);
    QCOMPARE(afterTyping, memo->toPlainText());
    QVERIFY(!afterTyping.contains("xyz"));
}

void AboutBoxTest::closePictureAndKeysEndTheShowing() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    auto* close = about.findChild<TClosePicture*>("CloseImage");
    auto* memo = about.findChild<QPlainTextEdit*>("Memo1");
    bool openAfterMiddle = false;
    WhenModal([&](QWidget*) {
        QTest::mouseClick(close, Qt::MiddleButton, {}, QPoint(5, 5));
        openAfterMiddle = about.isVisible() && SamePicture(close->Picture(), bitmaps.OkUpBitmap);
        QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(5, 5));
    });
    QCOMPARE(about.ShowModal(), 1);
    QVERIFY(openAfterMiddle);
    QVERIFY(SamePicture(close->Picture(), bitmaps.OkUpBitmap));
    // The keys reach the window although the memo holds the focus.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        WhenModal([&](QWidget*) { QTest::keyClick(memo, key); });
        QCOMPARE(about.ShowModal(), 1);
    }
}

void AboutBoxTest::centredAtTheFirstShowingOnly() {
    const TSharedBitmaps bitmaps = MakeBitmaps();
    TAboutBox about(bitmaps);
    QPoint first;
    WhenModal([&](QWidget*) {
        first = about.pos();
        about.done(1);
    });
    about.ShowModal();
    const QRect screen = about.screen()->geometry();
    QCOMPARE(first, QPoint(screen.x() + (screen.width() - 330) / 2,
                           screen.y() + (screen.height() - 269) / 2));
    about.move(first + QPoint(7, 9));
    QPoint second;
    WhenModal([&](QWidget*) {
        second = about.pos();
        about.done(1);
    });
    about.ShowModal();
    QCOMPARE(second, first + QPoint(7, 9));
}

QTEST_MAIN(AboutBoxTest)
#include "tst_about_box.moc"
