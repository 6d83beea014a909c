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
upload, export, import, apply-order, check --repair) first keeps that file
beside it as FILE.bak (one generation, so edit X X keeps the original in
X.bak); --no-backup, anywhere after the command's name, skips that.

Commands:
  info IMAGE
      key: value lines: variant, satellites, transponders, tv, radio, groups
      (names of the groups in use), menu-language, list-mode,
      current-satellite, current-group, service-type.
  list satellites|transponders|tv|radio|groups IMAGE [--satellite S | --transponder T]
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
  upload --port DEV [--code DDDD] [--timeout SEC] [--log FILE] OUT
      Uploads the receiver's image as the UPLOAD button does and saves it
      as OUT; OUT is written only after a completed upload. A small image
      gets the bouquet notice.
  download --port DEV [--code DDDD] [--timeout SEC] [--log FILE] IN
      Opens IN and downloads it into the receiver as the DOWNLOAD button
      does right after that open.
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
  ports
      One line for COM1 and one for COM2 with the device each stands for,
      then one line for every serial port found: its name, its device and
      its description, and for a USB adapter the vendor and product IDs,
      manufacturer, product and serial number.
  export IMAGE OUT.csv
      Writes the TV and radio channels as CSV (RFC 4180, UTF-8, a header
      row), one row each: list (tv or radio), position, name, bouquet,
      satellite, frequency_mhz, symbol_rate, polarization (V or H),
      video_pid, audio_pid, pcr_pid, then scramble, audio, lock and skip as
      the lists show them, and groups: the favourite groups' names,
      separated by |. Names are the receiver's bytes read as Latin-1, so
      every byte comes back.
  import IMAGE IN.csv OUT [--add]
      Applies a CSV to the image and saves OUT. A row names the channel of
      its list with its satellite, frequency, polarization and PIDs, or
      else the channel of its name on that transponder; the channel takes
      the row's position, name, bouquet, flags and groups (an empty scramble
      or audio cell keeps the channel's), and the channels no row names
      follow in their order. A row that names no channel is reported; with
      --add it is added, as Channel Add would, when its transponder exists.
      The report on stderr: matched, moved, renamed, unmatched (with the
      rows), added. A CSV that breaks a rule (the header, a column count, a
      number, a list, a polarization, a group the image lacks, a name the
      receiver cannot store) is refused with its line and reason, and
      nothing is written. An export imported back changes no byte.
  apply-order IMAGE REFERENCE OUT
      Takes the order, the favourite groups, lock and skip of the channels
      that REFERENCE (an image, or a CSV as export writes it) names, with
      import's rules, and saves OUT; the other channels follow in their
      order. A group the image lacks is created in a free group slot. The
      report on stderr: the counts, the groups created, and the names left
      unmatched on either side.
  check IMAGE [--repair OUT]
      Prints every inconsistency on stdout, one line each naming its record:
      references to records that do not exist, missing end records, counts
      and positions the upkeep would compute differently, group bits of
      unnamed groups, names without their NUL, duplicate channels (the same
      transponder and PIDs). Exit 1 when there is any. --repair OUT saves
      the image with deleted and dangling records and later duplicates
      removed, names ended within their fields, unnamed groups' bits
      dropped and the upkeep run, which passes its own check.
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
     for check, the image has inconsistencies
     for diff, the two sides differ
  2  usage error, or an index that names no record; nothing is written
  3  a transfer was stopped, or no byte came for --timeout seconds
  4  a file or the port could not be read or written
)";
}
