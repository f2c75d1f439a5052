// Parses each SQL Server script given on the command line as T-SQL and exits
// non-zero naming every file that does not parse. Template placeholders are
// filled first the way the program fills them: {TableName} with a bare table
// name, every other one with a literal (a number, and again with NULL, which
// is how an empty date arrives).
'use strict';

const fs = require('fs');
const path = require('path');
let Parser;
try {
  ({ Parser } = require('node-sql-parser'));
} catch (error) {
  console.error('node-sql-parser is not installed: run "npm ci" in tests/tsql');
  process.exit(1);
}

// The parser also accepts some SQLite syntax that SQL Server rejects.
const sqliteOnly = [
  [/\bLIMIT\b/i, 'LIMIT (use TOP)'],
  [/\bIFNULL\s*\(/i, 'IFNULL (use COALESCE or ISNULL)'],
  [/\bLENGTH\s*\(/i, 'LENGTH (use LEN)'],
  [/\browid\b/i, 'rowid'],
  [/\bAUTOINCREMENT\b/i, 'AUTOINCREMENT'],
  [/\|\|/, '|| (use +)'],
];

function fill(sql, literal) {
  return sql.replace(/\{TableName\}/g, 'Invoices').replace(/\{[A-Za-z_][A-Za-z0-9_]*\}/g, literal);
}

function check(file, parser) {
  const sql = fs.readFileSync(file, 'utf8');
  const faults = [];
  for (const [pattern, name] of sqliteOnly) {
    if (pattern.test(sql.replace(/--.*$/gm, ''))) faults.push(`not T-SQL: ${name}`);
  }
  for (const literal of ['1', 'NULL']) {
    try {
      parser.astify(fill(sql, literal), { database: 'transactsql' });
    } catch (error) {
      faults.push(`with placeholders as ${literal}: ${error.message}`);
    }
  }
  return faults;
}

const files = process.argv.slice(2);
if (files.length === 0) {
  console.error('usage: node check.js FILE.sql...');
  process.exit(2);
}
const parser = new Parser();
let failed = 0;
for (const file of files) {
  const faults = check(file, parser);
  if (faults.length > 0) {
    failed += 1;
    for (const fault of faults) console.error(`${path.basename(file)}: ${fault}`);
  }
}
console.log(`${files.length - failed} passed, ${failed} failed`);
process.exit(failed > 0 ? 1 : 0);
