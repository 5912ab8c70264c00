#include "THighScoreForm.h"

#include <QAbstractButton>
#include <QLabel>

#include "ClosePicture.h"
#include "Cp936Text.h"
#include "MnemonicLabel.h"
#include "ModalLoop.h"
#include "SharedBitmaps.h"
#include "WindowFonts.h"
#include "WindowPlacement.h"

namespace {

constexpr int kRows = 10;
constexpr int kColumns = 3;
constexpr int kFirstColumnX = 36;
constexpr int kColumnStep = 80;
constexpr int kFirstRowY = 50;
constexpr int kRowStep = 20;
constexpr int kLabelPointSize = 8;
// The close picture is centred as if it were 60 wide, whatever its bitmap.
constexpr int kCloseWidth = 60;
constexpr int kCloseBottomGap = 50;

}  // namespace

THighScoreForm::THighScoreForm(const TSharedBitmaps& bitmaps, QWidget* parent)
    : QDialog(parent), bitmaps_(bitmaps) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("排行榜"));  // never drawn; names the window to the desktop
    setFont(ArialFont(12));
    FormCreate();
    CentreAtFirstShow(this);
}

void THighScoreForm::FormCreate() {
    setFixedSize(bitmaps_.HighScoreBitmap.size());

    auto* scoreImage = new QLabel(this);
    scoreImage->setObjectName(QStringLiteral("ScoreImage"));
    scoreImage->setGeometry(rect());
    scoreImage->setPixmap(bitmaps_.HighScoreBitmap);

    QAbstractButton* okButton = MakeHiddenOkButton(this);
    closeImage_ = new TClosePicture(bitmaps_.OkUpBitmap, bitmaps_.OkDownBitmap, okButton, this);
    closeImage_->setObjectName(QStringLiteral("CloseImage"));
    closeImage_->move((width() - kCloseWidth) / 2, height() - kCloseBottomGap);
    closeImage_->TakeKeysOf(this);
}

int THighScoreForm::ShowTable(const burrowbop::THighScores& table) {
    if (showing_) {
        BringToFront(table);
        return 0;
    }
    showing_ = true;
    CreateLabels();
    FillLabels(table);
    const int result = RunModal(*this);
    FreeLabels();
    showing_ = false;
    return result;
}

void THighScoreForm::BringToFront(const burrowbop::THighScores& table) {
    if (!showing_) return;
    FillLabels(table);
    raise();
    activateWindow();
}

void THighScoreForm::CreateLabels() {
    QFont labelFont = font();
    labelFont.setPointSize(kLabelPointSize);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* label = new TMnemonicLabel(this);
            label->setFont(labelFont);
            label->move(kFirstColumnX + kColumnStep * column, kFirstRowY + kRowStep * row);
            label->show();
            labels_.append(label);
        }
    }
}

void THighScoreForm::FillLabels(const burrowbop::THighScores& table) {
    for (int row = 0; row < kRows && (row + 1) * kColumns <= labels_.size(); ++row) {
        const burrowbop::THighScoreEntry& entry = table[row];
        labels_[row * kColumns + 0]->SetCaption(QStringFromCp936Field(entry.Name.View()));
        labels_[row * kColumns + 1]->SetCaption(QStringFromCp936Field(entry.Date.View()));
        labels_[row * kColumns + 2]->SetCaption(QStringFromCp936Field(entry.Score.View()));
    }
}

void THighScoreForm::FreeLabels() {
    qDeleteAll(labels_);
    labels_.clear();
}
