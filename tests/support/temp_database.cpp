#include "temp_database.h"

#include "store/schema.h"

TempDatabase::TempDatabase() {
    Schema::createDatabase(path());
    m_db = std::make_unique<Database>(Database::open(path()));
}
