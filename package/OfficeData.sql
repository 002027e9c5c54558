-- Schema of OfficeData.db, the program's database of named presets, document links and recorded
-- runs. The build runs this file with the sqlite3 command to make the shipped, empty database.
-- Run on an existing database, it adds the tables that are missing and leaves the others and
-- their rows alone.
--
-- Columns are read by position: keep their order. Names of presets and documents are compared
-- without regard to case, like file names on Windows, hence COLLATE NOCASE on those columns;
-- SQLite's LIKE ignores case as well.

-- Named presets: ID is the preset's 1-based list position, rewritten whenever the list is
-- reordered, so it is a plain column and not a key.
CREATE TABLE IF NOT EXISTS clocksetting (
  ID INTEGER,
  clockname TEXT COLLATE NOCASE,
  setdate TEXT,
  remark TEXT,
  timeall TEXT,
  tiemone INTEGER,
  timetwo INTEGER,
  tiemthree INTEGER,
  checkvalue TEXT,
  optvalue TEXT,
  time_end INTEGER,
  tellShowtime INTEGER,
  tellsoundname TEXT,
  tellprocesstext TEXT,
  tellShowtext TEXT,
  clockFont TEXT,
  Fontselect TEXT,
  picturename TEXT,
  AImode TEXT,
  tellouttext TEXT,
  time_left INTEGER,
  picture_width INTEGER,
  picture_height INTEGER
);

-- Document links: a bare document file name and the name of the preset it runs with. ID is the
-- link's 1-based list position, rewritten like the presets' one.
CREATE TABLE IF NOT EXISTS file_list (
  ID INTEGER,
  fliename TEXT COLLATE NOCASE,
  clockname TEXT COLLATE NOCASE,
  remark TEXT
);

-- Recorded runs: the database assigns ID and never gives a deleted row's ID to a new one.
CREATE TABLE IF NOT EXISTS timesum (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  set_time TEXT,
  use_time TEXT,
  out_time TEXT,
  pause_time TEXT,
  filename TEXT
);

-- The lookups by name (a document's link, a link's preset, a name check) use these. Being
-- indexes of the NOCASE columns, they serve the comparisons that ignore case.
CREATE INDEX IF NOT EXISTS clocksetting_clockname ON clocksetting (clockname);
CREATE INDEX IF NOT EXISTS file_list_fliename ON file_list (fliename);
