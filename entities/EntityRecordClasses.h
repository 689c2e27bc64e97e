#pragma once
// The rows of the record-to-entity table: every entity class built from a
// POR record adds its row here. Listing them in one function keeps each
// class linked in, as the table refers to it.

class CRecordClassTable;

void AddEntityRecordClasses(CRecordClassTable& table);
