#pragma once

#include <QVariant>

class Database;

// What the category page writes besides its two edited lists.
namespace CategoryStore {

// The two top-level categories every household keeps (income and expense).
bool isDefault(const QVariant &id);

// Removes a top-level category with its budget row, its sub-categories and every entry
// filed under them, all or nothing. Throws DbError.
void deleteTopLevel(Database &db, const QVariant &id);

// Removes a sub-category and its entries, all or nothing. Throws DbError.
void deleteSubCategory(Database &db, const QVariant &id);

// Gives every top-level expense category that lacks a budget row one. Throws DbError.
void addMissingBudgetRows(Database &db);

} // namespace CategoryStore
