#pragma once

#include <QString>
#include <optional>

class BatchTableModel;
class Database;

// The members who log in: the list of the settings page, its deletes and the checks
// before its save.
namespace UserQueries {

// The default user, made with the books; never deleted.
inline constexpr qint64 DefaultUserId = 1;

QString userListSelect();
void configureUserList(BatchTableModel &model);

// Deletes the user and every income and expense entry booked to them, all or nothing.
void deleteUser(Database &db, qint64 userId);

// Why the list may not be saved as it stands: a new or edited row with an empty name, or
// with a name another row has too (ignoring case, as the login does). Two members of one
// name could not both log in.
struct NameProblem {
    int row;
    QString message;
};
std::optional<NameProblem> checkNames(const BatchTableModel &model);

} // namespace UserQueries
