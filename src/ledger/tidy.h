#pragma once

class Database;

// Removes entries whose category is gone.
void CleanEntries(Database &db);
// Removes category rows saved without a kind.
void CleanCategories(Database &db);
