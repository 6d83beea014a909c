#include "Commands.h"
#include "EditOperations.h"

#include <iostream>

void PrintUsage()
{
    std::cout << R"(usage: volmaren-cli COMMAND ARGS...

Opens, lists, edits, converts and saves receiver data images (STB.dat). An
image is opened as File > Open does (0x60800 or 0xA0800 bytes with the marker
0x5A; bouquet names are not taken from files) and saved as File > Save does
(always 0xA0800 bytes, written to a temporary file and renamed, so a failed
save leaves the previous file intact). Indexes are 0-based table indexes.

A command that writes a file over an existing one (convert, edit, demo,
upload, export, import, apply-order, check --repair, transponders,
export-transponders) first keeps that file
beside it as FILE.bak (one generation, so edit X X keeps the original in
X.bak); --no-backup, anywhere after the command's name, skips that.
--json, anywhere after the command's name, makes info, list, ports, import,
apply-order and check print one JSON document on stdout in place of their
text (for import and apply-order, the report that goes to stderr); its keys
are named after the text's fields and columns (man volmaren-cli lists them).

Commands:
  info IMAGE [--json]
      key: value lines: variant, satellites, transponders, tv, radio, groups
      (names of the groups in use), menu-language, list-mode,
      current-satellite, current-group, service-type.
  list satellites|transponders|tv|radio|groups IMAGE [--satellite S | --transponder T] [--json]
      The rows the editor's list shows, one line each: satellite names,
      transponder texts, every channel cell joined by TABs, or for groups
      the slot, name, TV count and radio count of each group in use.
      --satellite S lists the transponders or channels of satellite S,
      --transponder T the channels of transponder T.
  convert IN OUT
      Opens IN and saves it as OUT.
  edit IN OUT OP...
      Opens IN, applies the operations in order with the editor's own
      checks and messages, and saves OUT. Nothing is written when an
      operation is refused or wrong. LIST is comma-separated indexes;
      deletions take them ascending without duplicates, a move keeps LIST's
      order. POSITION is the slot to insert before, or -1 for the end.
      Operations:
)";
    for (const EditOperation& operation : EditOperations())
        std::cout << "        " << operation.synopsis << '\n';
    std::cout << R"(      add-satellite uses Satellite Add's defaults; add-transponder takes the
      frequency in MHz; add-channel uses Channel Add's defaults (FTA, stereo,
      not locked, not skipped) and ignores VPID for a radio channel.
      sort-channels sorts a whole table, or only the channels of satellite S
      or transponder T (which keep the slots they held), by KEY: name
      (bytes after upper-casing A-Z), frequency (then V before H), satellite
      (its index, then frequency) or fta (free-to-air first); equal keys
      keep their order, also with --descending. set-flags sets the named
      flags of the channels in LIST, each FLAG=VALUE one of lock=on|off,
      skip=on|off, audio=stereo|left|right, groups=G,G,...|none (slots of
      groups in use); the other flags keep each channel's own value.
  demo OUT [--full]
      Writes the demo image; --full fills every table to its limit (300
      satellites, 4000 transponders, 4467 TV and 1489 radio channels, 8
      groups).
  upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] [--no-history] OUT
      Uploads the receiver's image as the UPLOAD button does and saves it
      as OUT; OUT is written only after a completed upload. A small image
      gets the bouquet notice. The image is also kept, as it was received,
      in the receiver history: $XDG_DATA_HOME/volmaren/receiver, else
      ~/.local/share/volmaren/receiver, one file per upload named by its
      local time (2026-12-07_17-42-05.dat, then _2 for a second one in the
      same second), which File > Open reads; the newest 50 stay, the
      oldest go first. A history that cannot be written costs a warning
      on stderr, not the upload. --no-history keeps nothing.
  download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] [--verify [--no-history]] IN
      Opens IN and downloads it into the receiver as the DOWNLOAD button
      does right after that open. With --verify, once the download is
      complete the status asks for the receiver to be reset, and the image
      is read back as an upload does (the same code, the same --timeout)
      and compared byte for byte with what was sent for the receiver's
      variant. The image read back goes into the receiver history unless
      --no-history is given. Identical: "Verified: the receiver holds
      exactly what was sent." Different: exit 1, and one line on stdout
      for every record that differs, with its table, index, name and the
      first and last byte that differ in it (tv 213 "ZDF": bytes 15-20),
      the system block and the groups with their fields (system block:
      menuLanguage). A read-back that is stopped or times out exits 3; the
      download stays done. --log then holds both transfers' logs.
      DEV is COM1, COM2 (/dev/ttyS0 and /dev/ttyS1 unless VOLMAREN_COM1 and
      VOLMAREN_COM2 name other devices), a name that "ports" lists, or a
      device path. --code is the
      system code as typed in the editor's CODE box (four digits); without
      it the code kept in $VOLMAREN_CODE_FILE, else in kestrune.tmp in
      $XDG_CONFIG_HOME/volmaren or ~/.config/volmaren, is used. The status
      texts go to stderr, with a progress bar when it is a terminal. A
      transfer stops when no byte came for --timeout seconds (default 60,
      0 waits for ever) and on Ctrl-C, which ends even a download the
      receiver has locked. --log FILE writes the traffic log of the
      transfer to FILE afterwards: every byte sent and received, with its
      time, direction and protocol step (the README describes the format).
  ports [--json]
      One line for COM1 and one for COM2 with the device each stands for,
      then one line for every serial port found: its name, its device and
      its description, and for a USB adapter the vendor and product IDs,
      manufacturer, product and serial number.
  export IMAGE OUT.csv [--separator ,|;|tab]
      Writes the TV and radio channels as CSV (RFC 4180, UTF-8, a header
      row; cells separated by commas, or by semicolons or TABs as
      spreadsheets in some languages write them), one row each: list (tv
      or radio), position, name, bouquet, satellite, frequency_mhz,
      symbol_rate, polarization (V or H), video_pid, audio_pid, pcr_pid,
      then scramble, audio, lock and skip as the lists show them, and
      groups: the favourite groups' names, separated by |. Names are the
      receiver's bytes read as Latin-1, so every byte comes back.
  import IMAGE IN.csv OUT [--add] [--json]
      Applies a CSV to the image and saves OUT. The CSV may be saved by
      a spreadsheet: CRLF line ends, a UTF-8 byte order mark, commas,
      semicolons or TABs (as its header row has them), cells quoted or
      not; a file that is not UTF-8 is read as Windows-1252, and the
      report says so first. A row names the channel of its list with its
      satellite, frequency, polarization and PIDs, or else the channel
      of its name on that transponder; the channel takes the row's
      position, name, bouquet, flags and groups (an empty scramble or
      audio cell keeps the channel's), and the channels no row names
      follow in their order. A row that names no channel is reported;
      with --add it is added, as Channel Add would, when its transponder
      exists. The report on stderr: matched, moved, renamed, unmatched
      (with the rows), added. A CSV that breaks a rule (the header, a
      column count, a number, a list, a polarization, a group the image
      lacks, a name the receiver cannot store) is refused with its line
      and reason, and nothing is written. An export imported back
      changes no byte.
  apply-order IMAGE REFERENCE OUT [--json]
      Takes the order, the favourite groups, lock and skip of the channels
      that REFERENCE (an image, or a CSV as export writes it) names, with
      import's rules, and saves OUT; the other channels follow in their
      order. A group the image lacks is created in a free group slot. The
      report on stderr: the counts, the groups created, and the names left
      unmatched on either side.
  check IMAGE [--repair OUT] [--json]
      Prints every inconsistency on stdout, one line each naming its record:
      references to records that do not exist, missing end records, counts
      and positions the upkeep would compute differently, group bits of
      unnamed groups, names without their NUL, duplicate channels (the same
      transponder and PIDs). Exit 1 when there is any. --repair OUT saves
      the image with deleted and dangling records and later duplicates
      removed, names ended within their fields, unnamed groups' bits
      dropped and the upkeep run, which passes its own check.
  sources LIST
      One line per satellite of the transponder list LIST: its position
      (19.2E, 5.0W), TAB, its name, TAB, its number of transponders. LIST is
      satellites.xml (<satellites>, <sat name position> with the position in
      tenths of a degree, negative west, and <transponder frequency (kHz)
      symbol_rate (symbols/s) polarization (0 H, 1 V, 2 L, 3 R) system (0
      DVB-S, 1 DVB-S2)>) or, when its first character is no '<', a dvbv5
      DVB-S channel file ([NAME] blocks of DELIVERY_SYSTEM = DVBS|DVBS2,
      FREQUENCY (kHz), POLARIZATION = HORIZONTAL|VERTICAL|LEFT|RIGHT,
      SYMBOL_RATE): one satellite named after the file, with the position its
      name gives (Astra-19.2E), else none (an empty first field). A list that
      breaks a rule is refused with its line and the reason.
  transponders IMAGE LIST OUT --satellite S --source POSITION|NAME
               [--remove-missing] [--include-s2] [--json]
      Updates the transponders of satellite S from the satellite of LIST at
      POSITION (19.2E), or else named NAME, and saves OUT; a dvbv5 file whose
      name gives no position takes POSITION. A transponder of ours matches
      the list's nearest one of the same polarization within 2 MHz, each at
      most once (L counts as H, R as V). The list's others are added as
      Transponder Add would; a matched one whose symbol rate (rounded to
      kS/s) or whole MHz differ is updated and keeps its channels; ours that
      none matches are kept, or with --remove-missing deleted with their
      channels as Delete Transponder does. DVB-S2 ones are skipped unless
      --include-s2, and so are values a record cannot carry. The report on
      stderr: added, updated, unchanged, not-in-list, removed (then the
      channels deleted, "tv 'NAME'"), skipped; with --json it is one JSON
      object on stdout with those keys and "removed-channels", a list of
      {"list", "name"}. A source the list lacks and more additions than the
      transponder table has room for are refused, and nothing is written.
  export-transponders IMAGE OUT.xml
      Writes the satellites and transponders as satellites.xml, the position
      taken from each satellite's name (ASTRA 19.2E, THOR 1W); a satellite
      whose name gives none is left out and named on stderr. Read back, the
      file gives the same transponders.
  diff A B [--json]
      Compares image A (ours) with B (the other side): an image, or a CSV as
      export writes it, which compares channels only. Satellites are matched
      by name (blanks around it and the case of A-Z do not count),
      transponders by satellite, frequency and polarization, the channels of
      each list as import matches rows and then by name and PIDs on another
      transponder, groups slot by slot, and the system settings menuLanguage,
      displayColor and textColor. Prints one line per difference, grouped by
      table (satellites, transponders, tv, radio, groups, system), then
      "differences: N". A satellite or transponder is added, removed or
      changed (LNB power and frequencies, 22 kHz, 13/18 V, DiSEqC; symbol
      rate); a channel is added, removed, moved (outside the longest run of
      matched channels that keep their order), renamed, retuned (on another
      transponder) or changed (bouquet, PIDs, scramble, audio, lock, skip,
      groups). Positions count from 1, as the lists show them; names and
      words are written as JSON strings, values from A -> to B. --json prints
      one JSON document of the same differences instead (see the man page).
      Exit 0 no difference, 1 differences, 2 usage, 4 a file that cannot be
      read: also A that is no image and B that is neither an image nor a
      channel list.
  --help
      This text.

Exit status:
  0  success
  1  refused: the editor's own message is printed, e.g. "File is not STB Data image.";
     for check, the image has inconsistencies; for download --verify, the
     receiver holds other data than was sent
     for diff, the two sides differ
  2  usage error, or an index that names no record; nothing is written
  3  a transfer was stopped, or no byte came for --timeout seconds
  4  a file or the port could not be read or written
)";
}
