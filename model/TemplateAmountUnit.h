#pragma once

class TValdrona_ADOQuery;

// Opens the loaded template with its placeholders and reads the first column
// of the first row as an amount rounded to 2 decimals; 0 for no row or NULL.
double OpenTemplateAmount(TValdrona_ADOQuery& query);
