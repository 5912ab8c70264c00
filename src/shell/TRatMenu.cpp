#include "TRatMenu.h"

#include <QMenu>

namespace {

const char kPauseCaption[] = "暂停";
const char kResumeCaption[] = "恢复";
const char kHideCaption[] = "隐藏(&i)";
const char kShowCaption[] = "显示(&S)";

}  // namespace

TRatMenu::TRatMenu(QObject* parent) : QObject(parent), menu_(new QMenu) {
    menu_->setObjectName(QStringLiteral("RatMenu"));
    for (TMenuItem* item :
         {&cmNewGame, &cmPauseOrResume, &cmHide, &cmHighscore, &cmQuit, &N1, &cmAbout}) {
        QAction* action = item == &N1 ? menu_->addSeparator() : menu_->addAction(item->Caption());
        action->setData(QVariant::fromValue(static_cast<QObject*>(item)));
        if (item != &N1)
            connect(action, &QAction::triggered, item, &TMenuItem::Click);
    }
}

TRatMenu::~TRatMenu() { delete menu_; }

void TRatMenu::ApplyCaptions() {
    cmNewGame.SetCaption(QStringLiteral("新游戏(&N)"));
    cmPauseOrResume.SetCaption(QStringLiteral("暂停(&P)"));
    cmHide.SetCaption(QString::fromUtf8(kHideCaption));
    cmHighscore.SetCaption(QStringLiteral("排行榜(&H)"));
    cmQuit.SetCaption(QStringLiteral("退出(&Q)"));
    cmAbout.SetCaption(QStringLiteral("关于(&A)"));
    SyncActions();
}

void TRatMenu::Refresh(bool playfieldVisible, bool playing, bool paused) {
    cmHide.SetCaption(QString::fromUtf8(playfieldVisible ? kHideCaption : kShowCaption));
    cmPauseOrResume.SetCaption(QString::fromUtf8(paused ? kResumeCaption : kPauseCaption));
    // The flag stays as set here until the next opening, even when a game
    // starts or ends meanwhile.
    cmPauseOrResume.SetEnabled(paused || playing);
}

void TRatMenu::PopupAt(QPoint screenPoint) {
    emit Popup();
    SyncActions();
    menu_->popup(screenPoint);
}

QAction* TRatMenu::ActionOf(const TMenuItem& item) const {
    for (QAction* action : menu_->actions())
        if (action->data().value<QObject*>() == &item) return action;
    return nullptr;
}

void TRatMenu::SyncActions() {
    for (QAction* action : menu_->actions()) {
        auto* item = qobject_cast<TMenuItem*>(action->data().value<QObject*>());
        if (!item || item == &N1) continue;
        action->setText(item->Caption());
        action->setEnabled(item->Enabled());
    }
}
