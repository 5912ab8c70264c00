#include "TAboutBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

#include "AppInfo.h"
#include "ClosePicture.h"
#include "ModalLoop.h"
#include "SharedBitmaps.h"
#include "TUrlLabel.h"
#include "WindowFonts.h"
#include "WindowPlacement.h"

namespace {

constexpr QSize kClientSize{330, 269};
const QColor kYellow{255, 255, 0};
const QColor kTitleGreen{15, 113, 32};
const char kAboutIcon[] = ":/ABOUTICON.png";
const char kDescription[] =
    "这是一个简单但挺有趣的小游戏,你的任务就是用手中的鼠标去击打洞中的老鼠，"
    "一分钟中之内打得越多越好。";

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// A transparent label; an empty box means "sized to its text".
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QColor& color, QRect box, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    SetTextColor(label, color);
    label->setAlignment(align | Qt::AlignTop);
    if (box.size().isEmpty()) {
        label->move(box.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(box);
    }
    return label;
}

TUrlLabel* MakeLink(QWidget* parent, const char* name, const QString& caption, const QUrl& url,
                    QPoint at) {
    auto* link = new TUrlLabel(parent);
    link->setObjectName(QString::fromLatin1(name));
    link->setFont(VerdanaFont(11));  // the link draws its own underline
    link->SetCaption(caption);
    link->SetUrl(url);
    link->move(at);
    return link;
}

}  // namespace

TAboutBox::TAboutBox(const TSharedBitmaps& bitmaps, QWidget* parent)
    : QDialog(parent), bitmaps_(bitmaps) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(kClientSize);
    setWindowTitle(QStringLiteral("关于"));  // never drawn; names the window to the desktop
    setFont(ArialFont(12));
    FormCreate();
    CentreAtFirstShow(this);
}

void TAboutBox::FormCreate() {
    // Created bottom to top: later widgets lie above earlier ones.
    CreatePictures();
    CreateCaptions();
    CreateLinks();
    CreateMemo();
}

void TAboutBox::CreatePictures() {
    auto* aboutImage = new QLabel(this);
    aboutImage->setObjectName(QStringLiteral("AboutImage"));
    aboutImage->setGeometry(rect());
    aboutImage->setScaledContents(true);
    aboutImage->setPixmap(bitmaps_.AboutBitmap);

    QAbstractButton* okButton = MakeHiddenOkButton(this);
    okButton->setGeometry(240, 160, 75, 24);
    closeImage_ = new TClosePicture(bitmaps_.OkUpBitmap, bitmaps_.OkDownBitmap, okButton, this);
    closeImage_->setObjectName(QStringLiteral("CloseImage"));
    closeImage_->move(240, 235);
    closeImage_->TakeKeysOf(this);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(105, 8, 32, 32);
    const QPixmap picture(QString::fromLatin1(kAboutIcon));
    if (!picture.isNull()) {
        icon->setPixmap(picture);
        icon->resize(picture.size());
    }
}

void TAboutBox::CreateCaptions() {
    MakeLabel(this, "Label9", QStringLiteral("Burrowbop"), ArialFont(16, true), kTitleGreen,
              QRect(100, 44, 0, 0));
    MakeLabel(this, "Label10", QStringLiteral("敲洞乐 版本2.6"), ArialFont(13, true), kYellow,
              QRect(61, 70, 199, 16));
    // Both captions end at x 89, where the links begin 7 pixels later.
    MakeLabel(this, "LabHomePage", QStringLiteral("主页:"), SansSerifFont(11), kYellow,
              QRect(24, 104, 65, 13), Qt::AlignRight);
    MakeLabel(this, "LabEmail", QStringLiteral("邮箱:"), SansSerifFont(11), kYellow,
              QRect(16, 125, 73, 13), Qt::AlignRight);
}

void TAboutBox::CreateLinks() {
    const QString homePage = QString::fromUtf8(appinfo::kHomePageUrl);
    const QString email = QString::fromUtf8(appinfo::kMakerEmail);
    TUrlLabel* home = MakeLink(this, "RzURLLabel4", homePage, QUrl(homePage), QPoint(96, 103));
    home->setToolTip(homePage);
    MakeLink(this, "RzURLLabel1", email, QUrl(QStringLiteral("mailto:") + email),
             QPoint(96, 124));
}

void TAboutBox::CreateMemo() {
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setGeometry(24, 144, 273, 89);
    memo_->setReadOnly(true);
    memo_->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo_->setLineWidth(1);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setFont(ArialFont(12));
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::Text, Qt::white);
    memo_->setPalette(palette);
    memo_->setPlainText(QString::fromUtf8(kDescription));
    // The window previews the memo's keys, so Escape and Enter close it.
    closeImage_->TakeKeysOf(memo_);
}

int TAboutBox::ShowModal() {
    memo_->setFocus();
    return RunModal(*this);
}
