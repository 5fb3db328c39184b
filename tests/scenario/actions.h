#pragma once

#include "target.h"

#include <QString>

class Session;

// The user's steps on the windows. Each throws StepFailure when the user could not do
// it (no such item, a disabled field, a cell without an editor).
namespace Actions {

void click(Session &session, const Target &target);
// A right click on the widget (it takes the focus), then a click on the item of the
// context menu that opens.
void menu(Session &session, const Target &target, const QString &item);
void type(Session &session, const Target &target, const QString &text);
void key(Session &session, const Target &target, const QString &keyWord);
// Puts text on the clipboard and pastes it over the field's whole text with Ctrl+V.
void paste(Session &session, const Target &target, const QString &text);
void choose(Session &session, const Target &target, const QString &item);
void setDate(Session &session, const Target &target, const QString &date);
void clickCell(Session &session, const Target &grid, const QString &row, const QString &column);
void editCell(Session &session, const Target &grid, const QString &row, const QString &column,
              const QString &text);
// Chooses the user in the login window, types the password and clicks "登录".
void login(Session &session, const QString &user, const QString &password);

// Reads YYYY-MM-DD strictly; throws StepFailure otherwise.
QDate parseDate(const QString &text);

} // namespace Actions
