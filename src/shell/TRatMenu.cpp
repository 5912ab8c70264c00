#include "TRatMenu.h"

#include <QMenu>

TRatMenu::TRatMenu(QObject* parent) : QObject(parent) {}
TRatMenu::~TRatMenu() { delete menu_; }

void TRatMenu::ApplyCaptions() {}
void TRatMenu::Refresh(bool, bool, bool) {}
void TRatMenu::PopupAt(QPoint) { emit Popup(); }
