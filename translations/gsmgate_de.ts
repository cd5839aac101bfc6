<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BackedUpWrite</name>
    <message>
        <source>Backup: %1</source>
        <extracomment>Status bar text after a save took its automatic backup; %1 is the file&apos;s path</extracomment>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>Nothing was written: cannot save the backup: %1</source>
        <translation>Nichts geschrieben: Die Sicherung kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1: unchanged</source>
        <translation>%1: unverändert</translation>
    </message>
    <message>
        <source>%1: %2 changes</source>
        <translation>%1: %2 Änderungen</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>List the serial ports and announced simulators with their description and USB vendor:product id.</source>
        <translation>Die seriellen Ports und angemeldeten Simulatoren mit Beschreibung und USB-Hersteller:Produkt-ID auflisten.</translation>
    </message>
    <message>
        <source>Read the settings and number pages (and with --history the history pages) into the backup FILE.</source>
        <translation>Die Seiten der Einstellungen und Nummern (mit --history auch die des Ereignisprotokolls) in die Sicherung FILE lesen.</translation>
    </message>
    <message>
        <source>Write the settings and number pages of the backup FILE back to the device (only the pages that differ).</source>
        <translation>Die Seiten der Einstellungen und Nummern aus der Sicherung FILE zurück auf das Gerät schreiben (nur abweichende Seiten).</translation>
    </message>
    <message>
        <source>Read the device and print what writing FILE (a settings profile, a number list or a backup) would change; write nothing.</source>
        <translation>Das Gerät lesen und ausgeben, was das Schreiben von FILE (Einstellungsprofil, Nummernliste oder Sicherung) ändern würde; nichts schreiben.</translation>
    </message>
    <message>
        <source>Put back the newest automatic backup a write to this port took, if the device still holds what that write left (else --force).</source>
        <translation>Die neueste automatische Sicherung eines Schreibvorgangs auf diesen Port zurückspielen, sofern das Gerät noch enthält, was dieser Vorgang hinterließ (sonst --force).</translation>
    </message>
    <message>
        <source>Read the settings into a profile (--out F: .xlsx, .xls or .json; - is JSON on stdout).</source>
        <translation>Die Einstellungen in ein Profil lesen (--out F: .xlsx, .xls oder .json; - ist JSON auf stdout).</translation>
    </message>
    <message>
        <source>Save the settings profile FILE (.xlsx, .xls, .ods or .json) to the device.</source>
        <translation>Das Einstellungsprofil FILE (.xlsx, .xls, .ods oder .json) auf das Gerät schreiben.</translation>
    </message>
    <message>
        <source>Read the number list (--out F: .csv, or .xlsx; - is CSV on stdout).</source>
        <translation>Die Nummernliste lesen (--out F: .csv oder .xlsx; - ist CSV auf stdout).</translation>
    </message>
    <message>
        <source>Save the number list FILE (.xlsx, .xls or .ods) to the device.</source>
        <translation>Die Nummernliste FILE (.xlsx, .xls oder .ods) auf das Gerät schreiben.</translation>
    </message>
    <message>
        <source>Read the event history (--out F: .csv or .xlsx; - is CSV on stdout).</source>
        <translation>Das Ereignisprotokoll lesen (--out F: .csv oder .xlsx; - ist CSV auf stdout).</translation>
    </message>
    <message>
        <source>Delete the device&apos;s event history (needs --yes).</source>
        <translation>Das Ereignisprotokoll des Geräts löschen (verlangt --yes).</translation>
    </message>
    <message>
        <source>Set the device clock to this computer&apos;s time.</source>
        <translation>Die Uhr des Geräts auf die Zeit dieses Computers stellen.</translation>
    </message>
    <message>
        <source>Serial port of a device; repeat it or give a glob such as &apos;/dev/ttyUSB*&apos; for several devices at once.</source>
        <translation>Serieller Port eines Geräts; für mehrere Geräte zugleich wiederholen oder ein Muster wie &apos;/dev/ttyUSB*&apos; angeben.</translation>
    </message>
    <message>
        <source>Read the device password from the first line of FILE (else $GSMGATE_PASSWORD, else a prompt on a terminal, else the factory password).</source>
        <translation>Das Gerätepasswort aus der ersten Zeile von FILE lesen (sonst $GSMGATE_PASSWORD, sonst eine Abfrage am Terminal, sonst das Werkspasswort).</translation>
    </message>
    <message>
        <source>Print the summary as JSON on stdout.</source>
        <translation>Die Zusammenfassung als JSON auf stdout ausgeben.</translation>
    </message>
    <message>
        <source>Write one JSON line per frame sent or received, naming its port, to FILE for support (credentials masked).</source>
        <translation>Für den Support je gesendetem oder empfangenem Datenrahmen eine JSON-Zeile mit seinem Port in FILE schreiben (Zugangsdaten maskiert).</translation>
    </message>
    <message>
        <source>Write the data to F (- for stdout).</source>
        <translation>Die Daten nach F schreiben (- für stdout).</translation>
    </message>
    <message>
        <source>Do not back up the pages a write changes before writing.</source>
        <translation>Die Seiten, die ein Schreibvorgang ändert, vorher nicht sichern.</translation>
    </message>
    <message>
        <source>Put the automatic backups in DIR instead of the configuration folder&apos;s backup/.</source>
        <translation>Die automatischen Sicherungen in DIR statt in backup/ des Konfigurationsordners ablegen.</translation>
    </message>
    <message>
        <source>Read every written page back and compare (default).</source>
        <translation>Jede geschriebene Seite zurücklesen und vergleichen (Standard).</translation>
    </message>
    <message>
        <source>Do not read written pages back.</source>
        <translation>Geschriebene Seiten nicht zurücklesen.</translation>
    </message>
    <message>
        <source>Include the 500 history pages.</source>
        <translation>Die 500 Seiten des Ereignisprotokolls einschließen.</translation>
    </message>
    <message>
        <source>Read the device and print the plan as diff does; write nothing.</source>
        <translation>Das Gerät lesen und den Plan wie diff ausgeben; nichts schreiben.</translation>
    </message>
    <message>
        <source>Write every page of each area, not only those that differ.</source>
        <translation>Jede Seite jedes Bereichs schreiben, nicht nur die abweichenden.</translation>
    </message>
    <message>
        <source>Undo even when the device holds something else than the write left, or seems to be another device.</source>
        <translation>Auch dann zurücksetzen, wenn das Gerät anderes enthält, als der Schreibvorgang hinterließ, oder ein anderes Gerät zu sein scheint.</translation>
    </message>
    <message>
        <source>Confirm the deletion.</source>
        <translation>Das Löschen bestätigen.</translation>
    </message>
    <message>
        <source>The subcommand.</source>
        <translation>Der Unterbefehl.</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>Die zu lesende Datei.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <extracomment>%1 is the command (&quot;gsmgate-cli numbers set&quot;)</extracomment>
        <translation>Siehe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: gsmgate-cli SUBCOMMAND [options]
Provisions, backs up and restores GSM gate openers over their serial ports, several
devices at once.

Subcommands:
</source>
        <translation>Aufruf: gsmgate-cli UNTERBEFEHL [Optionen]
Richtet GSM-Toröffner über ihre seriellen Ports ein, sichert sie und stellt sie
wieder her, mehrere Geräte zugleich.

Unterbefehle:
</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help     Show this help; &apos;gsmgate-cli SUBCOMMAND --help&apos; shows a subcommand&apos;s.
  -v, --version  Show the version.
  --language CODE  Speak language CODE (en, de, zh_CN); by default the locale&apos;s.

Exit status: 0 when every device succeeded, 1 when any failed, 2 when the command line
or a file was refused before anything was sent.
</source>
        <translation>
Optionen:
  -h, --help     Diese Hilfe zeigen; &apos;gsmgate-cli UNTERBEFEHL --help&apos; zeigt die eines
                 Unterbefehls.
  -v, --version  Die Version zeigen.
  --language CODE  In der Sprache CODE ausgeben (en, de, zh_CN); sonst in der des
                 Gebietsschemas.

Exit-Status: 0, wenn jedes Gerät erfolgreich war, 1, wenn eines fehlschlug, 2, wenn
die Befehlszeile oder eine Datei abgelehnt wurde, bevor etwas gesendet wurde.
</translation>
    </message>
    <message>
        <source>unknown subcommand &apos;%1&apos;</source>
        <translation>unbekannter Unterbefehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>expects one FILE</source>
        <translation>erwartet eine Datei FILE</translation>
    </message>
    <message>
        <source>takes no argument &apos;%1&apos;</source>
        <translation>nimmt kein Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>needs --port</source>
        <translation>verlangt --port</translation>
    </message>
    <message>
        <source>needs --out F</source>
        <translation>verlangt --out F</translation>
    </message>
    <message>
        <source>--out - and --json both want stdout</source>
        <translation>--out - und --json wollen beide stdout</translation>
    </message>
    <message>
        <source>deletes every history record; add --yes</source>
        <translation>löscht jeden Protokolleintrag; --yes angeben</translation>
    </message>
    <message>
        <source>Read the settings and the number list into a configuration file (--out F: YAML; - is stdout).</source>
        <translation>Die Einstellungen und die Nummernliste in eine Konfigurationsdatei lesen (--out F: YAML; - ist stdout).</translation>
    </message>
    <message>
        <source>Make the device hold the configuration FILE: the settings it names and, when it names it, the whole number list (only the pages that differ).</source>
        <translation>Das Gerät auf den Stand der Konfigurationsdatei FILE bringen: die darin genannten Einstellungen und, wenn sie sie nennt, die ganze Nummernliste (nur abweichende Seiten).</translation>
    </message>
    <message>
        <source>Read the device and print what applying the configuration FILE would change; write nothing.</source>
        <translation>Das Gerät lesen und ausgeben, was das Anwenden der Konfigurationsdatei FILE ändern würde; nichts schreiben.</translation>
    </message>
</context>
<context>
    <name>Composed</name>
    <message>
        <source>%1
Setting: %2</source>
        <translation>%1
Einstellung: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is outside the range 0 to %2.</source>
        <translation>„%1“ liegt außerhalb des Bereichs 0 bis %2.</translation>
    </message>
    <message>
        <source>The password must be exactly four digits.</source>
        <translation>Das Passwort muss aus genau vier Ziffern bestehen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds characters other than &quot;+&quot; and digits.</source>
        <translation>„%1“ enthält andere Zeichen als „+“ und Ziffern.</translation>
    </message>
    <message>
        <source>%1 is not an item of the list (0 to %2).</source>
        <translation>%1 ist kein Eintrag der Liste (0 bis %2).</translation>
    </message>
    <message>
        <source>The value needs %1 bytes; the device holds at most %2.</source>
        <extracomment>%1 is a number of bytes</extracomment>
        <translation>Der Wert braucht %1 Bytes; das Gerät fasst höchstens %2.</translation>
    </message>
    <message>
        <source>The text holds a control character (%1).</source>
        <extracomment>%1 is a code point such as U+001B</extracomment>
        <translation>Der Text enthält ein Steuerzeichen (%1).</translation>
    </message>
    <message>
        <source>The character &apos;%1&apos; (%2) cannot be stored in the device&apos;s code page (%3).</source>
        <extracomment>%2 is a code point such as U+00E9, %3 a code page such as CP936</extracomment>
        <translation>Das Zeichen „%1“ (%2) lässt sich in der Codepage des Geräts (%3) nicht speichern.</translation>
    </message>
    <message>
        <source>profile row %1, column %2 is not text</source>
        <translation>Profil Zeile %1, Spalte %2 ist kein Text</translation>
    </message>
    <message>
        <source>Wrong format of the setting profile</source>
        <translation>Falsches Format des Einstellungsprofils</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message>
        <source>number &quot;%1&quot; is longer than %2 characters</source>
        <translation>Nummer „%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>number &quot;%1&quot; holds characters other than &quot;+&quot; and digits</source>
        <translation>Nummer „%1“ enthält andere Zeichen als „+“ und Ziffern</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not %4 to %5</source>
        <extracomment>&quot;start month 13 is not 1 to 12&quot;: %1 is &quot;start&quot; or &quot;end&quot;, %2 the part of the date or time</extracomment>
        <translation>%1: %2 %3 liegt nicht zwischen %4 und %5</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>Zeile %1: %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a key must be a plain name</source>
        <translation>ein Schlüssel muss ein einfacher Name sein</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;</source>
        <translation>unbekannte Einstellung „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>„%1“ ist doppelt angegeben</translation>
    </message>
    <message>
        <source>is not a text</source>
        <translation>ist kein Text</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>ist weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to 65535</source>
        <translation>„%1“ ist keine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <extracomment>%2 lists the items: &quot;0&quot;, &quot;1&quot;</extracomment>
        <translation>„%1“ ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>is not a mapping of setting names to values</source>
        <translation>ist keine Zuordnung von Einstellungsnamen zu Werten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-01-31 18:00&quot;</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit wie „2026-01-31 18:00“</translation>
    </message>
    <message>
        <source>year %1 is not 2000 to 2099</source>
        <translation>Jahr %1 liegt nicht zwischen 2000 und 2099</translation>
    </message>
    <message>
        <source>needs a slot (1 to 1000)</source>
        <translation>braucht einen Platz (1 bis 1000)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a slot from 1 to 1000</source>
        <translation>„%1“ ist kein Platz von 1 bis 1000</translation>
    </message>
    <message>
        <source>an erased slot holds nothing else</source>
        <translation>ein gelöschter Platz enthält sonst nichts</translation>
    </message>
    <message>
        <source>needs a number (leave the slot out to keep it empty)</source>
        <translation>braucht eine Nummer (den Platz weglassen, um ihn leer zu lassen)</translation>
    </message>
    <message>
        <source>is empty (leave the slot out to keep it empty)</source>
        <translation>ist leer (den Platz weglassen, um ihn leer zu lassen)</translation>
    </message>
    <message>
        <source>an entry valid always has no from or until</source>
        <translation>ein immer gültiger Eintrag hat kein from und kein until</translation>
    </message>
    <message>
        <source>needs always: true, or from and until, each a date and a time</source>
        <translation>braucht always: true oder from und until, jeweils mit Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>is not a list of entries (give [] for an empty list, or leave &quot;numbers&quot; out to keep the device&apos;s list)</source>
        <translation>ist keine Liste von Einträgen ([] für eine leere Liste angeben oder „numbers“ weglassen, um die Liste des Geräts zu behalten)</translation>
    </message>
    <message>
        <source>names more than 1000 slots</source>
        <translation>nennt mehr als 1000 Plätze</translation>
    </message>
    <message>
        <source>is not a mapping such as {slot: 1, number: &quot;...&quot;}</source>
        <translation>ist keine Zuordnung wie {slot: 1, number: &quot;...&quot;}</translation>
    </message>
    <message>
        <source>is named twice (first on line %1)</source>
        <translation>ist doppelt genannt (zuerst in Zeile %1)</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;</source>
        <translation>ist nicht „%1“</translation>
    </message>
    <message>
        <source>is not %1, the version this program reads</source>
        <translation>ist nicht %1, die Version, die dieses Programm liest</translation>
    </message>
    <message>
        <source>the file is larger than 1 MiB</source>
        <translation>die Datei ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the file holds no document</source>
        <translation>die Datei enthält kein Dokument</translation>
    </message>
    <message>
        <source>the file holds more than one document; a configuration is one</source>
        <translation>die Datei enthält mehr als ein Dokument; eine Konfiguration ist eines</translation>
    </message>
    <message>
        <source>%1 as the device holds it cannot be written back (%2): name it in the file</source>
        <extracomment>%1 names the setting in the file: settings.din1_type</extracomment>
        <translation>%1 lässt sich so, wie das Gerät es enthält, nicht zurückschreiben (%2): in der Datei angeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 (%3), not %4 (%5).</source>
        <extracomment>%2 is a file&apos;s kind (&quot;a number list&quot;), %3 and %5 what its cell A1 holds</extracomment>
        <translation>„%1“ ist %2 (%3), nicht %4 (%5).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>cell %1 holds a formula; only typed values are read</source>
        <extracomment>%1 is a cell such as B5</extracomment>
        <translation>Zelle %1 enthält eine Formel; gelesen werden nur eingegebene Werte</translation>
    </message>
    <message>
        <source>cell %1 lies outside %2</source>
        <extracomment>%2: &quot;A1:H23, the most a file of this kind uses&quot;</extracomment>
        <translation>Zelle %1 liegt außerhalb von %2</translation>
    </message>
    <message>
        <source>its sheet claims the range %1, more than %2</source>
        <translation>ihr Blatt gibt den Bereich %1 an, mehr als %2</translation>
    </message>
    <message>
        <source>%1, the most a file of this kind uses</source>
        <extracomment>%1 is a range of cells such as A1:H23</extracomment>
        <translation>%1, das Größte, was eine Datei dieser Art nutzt</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than any file of this program</source>
        <translation>sie enthält mehr als %1 Zellen, mehr als jede Datei dieses Programms</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, more than any workbook of this program</source>
        <translation>sie ist größer als %1 MiB, größer als jede Arbeitsmappe dieses Programms</translation>
    </message>
    <message>
        <source>it is not a spreadsheet workbook (.xlsx, .ods or .xls)</source>
        <translation>sie ist keine Tabellen-Arbeitsmappe (.xlsx, .ods oder .xls)</translation>
    </message>
    <message>
        <source>no workbook is open</source>
        <translation>keine Arbeitsmappe ist geöffnet</translation>
    </message>
    <message>
        <source>it is not a readable zip package (%1)</source>
        <translation>sie ist kein lesbares ZIP-Paket (%1)</translation>
    </message>
    <message>
        <source>it holds no workbook</source>
        <translation>sie enthält keine Arbeitsmappe</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>sie ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>its text is in a character set that cannot be read</source>
        <translation>ihr Text ist in einem Zeichensatz, der nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>it needs more memory than any workbook of this program</source>
        <translation>sie braucht mehr Speicher als jede Arbeitsmappe dieses Programms</translation>
    </message>
    <message>
        <source>it holds more than %1 shared strings, more than any file of this program</source>
        <translation>sie enthält mehr als %1 gemeinsame Zeichenketten, mehr als jede Datei dieses Programms</translation>
    </message>
    <message>
        <source>its shared strings hold more than %1 characters, more than any file of this program</source>
        <translation>ihre gemeinsamen Zeichenketten enthalten mehr als %1 Zeichen, mehr als jede Datei dieses Programms</translation>
    </message>
    <message>
        <source>a cell holds more than %1 characters</source>
        <translation>eine Zelle enthält mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>its header is not valid</source>
        <translation>ihr Kopf ist ungültig</translation>
    </message>
    <message>
        <source>its allocation table is not valid</source>
        <translation>ihre Zuordnungstabelle ist ungültig</translation>
    </message>
    <message>
        <source>its directory is not valid</source>
        <translation>ihr Verzeichnis ist ungültig</translation>
    </message>
    <message>
        <source>a directory entry&apos;s name is too long</source>
        <translation>der Name eines Verzeichniseintrags ist zu lang</translation>
    </message>
    <message>
        <source>read error %1</source>
        <translation>Lesefehler %1</translation>
    </message>
    <message>
        <source>the part %1 is not well-formed XML (%2)</source>
        <translation>der Teil %1 ist kein wohlgeformtes XML (%2)</translation>
    </message>
    <message>
        <source>the part %1 declares a document type, as no workbook does</source>
        <translation>der Teil %1 deklariert einen Dokumenttyp, was keine Arbeitsmappe tut</translation>
    </message>
    <message>
        <source>the part %1 nests its elements more than %2 deep</source>
        <translation>der Teil %1 verschachtelt seine Elemente tiefer als %2 Ebenen</translation>
    </message>
    <message>
        <source>the part %1 expands beyond %2, as no workbook does</source>
        <translation>der Teil %1 wird entpackt größer als %2, was bei keiner Arbeitsmappe vorkommt</translation>
    </message>
    <message>
        <source>the part %1 expands more than %2 times its compressed size, as no workbook does</source>
        <translation>der Teil %1 wird entpackt mehr als %2-mal so groß wie gepackt, was bei keiner Arbeitsmappe vorkommt</translation>
    </message>
    <message>
        <source>the part %1 is missing</source>
        <translation>der Teil %1 fehlt</translation>
    </message>
    <message>
        <source>the part %1 has no readable size</source>
        <translation>der Teil %1 hat keine lesbare Größe</translation>
    </message>
    <message>
        <source>the part %1 cannot be opened</source>
        <translation>der Teil %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>der Teil %1 ist beschädigt</translation>
    </message>
    <message>
        <source>the workbook has no sheet</source>
        <translation>die Arbeitsmappe hat kein Blatt</translation>
    </message>
    <message>
        <source>the workbook has no worksheet</source>
        <translation>die Arbeitsmappe hat kein Arbeitsblatt</translation>
    </message>
    <message>
        <source>the first worksheet has no part</source>
        <translation>das erste Arbeitsblatt hat keinen Teil</translation>
    </message>
    <message>
        <source>a cell lies outside the sheet</source>
        <translation>eine Zelle liegt außerhalb des Blatts</translation>
    </message>
    <message>
        <source>a row lies outside the sheet</source>
        <translation>eine Zeile liegt außerhalb des Blatts</translation>
    </message>
    <message>
        <source>a run of spaces is not valid</source>
        <translation>eine Folge von Leerzeichen ist ungültig</translation>
    </message>
    <message>
        <source>the repeat count %1 is not valid</source>
        <translation>die Wiederholungszahl %1 ist ungültig</translation>
    </message>
    <message>
        <source>the number %1 is not valid</source>
        <translation>die Zahl %1 ist ungültig</translation>
    </message>
    <message>
        <source>the time %1 is not valid</source>
        <translation>die Uhrzeit %1 ist ungültig</translation>
    </message>
    <message>
        <source>the date %1 is not valid</source>
        <translation>das Datum %1 ist ungültig</translation>
    </message>
    <message>
        <source>the cell reference %1 is not valid</source>
        <translation>der Zellbezug %1 ist ungültig</translation>
    </message>
    <message>
        <source>the row number %1 is not valid</source>
        <translation>die Zeilennummer %1 ist ungültig</translation>
    </message>
    <message>
        <source>a cell names the shared string %1, which is missing</source>
        <translation>eine Zelle nennt die gemeinsame Zeichenkette %1, die fehlt</translation>
    </message>
    <message>
        <source>its reader&apos;s answer is malformed</source>
        <translation>die Antwort ihres Leseprogramms ist fehlerhaft</translation>
    </message>
    <message>
        <source>its reader used more than %1 s of processor time</source>
        <translation>ihr Leseprogramm hat mehr als %1 s Prozessorzeit gebraucht</translation>
    </message>
    <message>
        <source>its reader crashed, signal %1</source>
        <translation>ihr Leseprogramm ist abgestürzt, Signal %1</translation>
    </message>
    <message>
        <source>its reader failed, status %1</source>
        <translation>ihr Leseprogramm ist gescheitert, Status %1</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>its reader did not start: %1</source>
        <translation>ihr Leseprogramm ist nicht gestartet: %1</translation>
    </message>
    <message>
        <source>its reader wrote more than %1 MiB</source>
        <translation>ihr Leseprogramm hat mehr als %1 MiB geschrieben</translation>
    </message>
    <message>
        <source>its reader took more than %1 s</source>
        <translation>ihr Leseprogramm hat länger als %1 s gebraucht</translation>
    </message>
    <message>
        <source>the workbook cannot be made in memory</source>
        <translation>die Arbeitsmappe kann im Speicher nicht erstellt werden</translation>
    </message>
    <message>
        <source>the file being written was replaced by another</source>
        <translation>die Datei wurde beim Schreiben durch eine andere ersetzt</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist aufgebraucht</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>input/output error on the device</source>
        <translation>Ein-/Ausgabefehler auf dem Datenträger</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>the file is too large for the file system</source>
        <translation>die Datei ist zu groß für das Dateisystem</translation>
    </message>
    <message>
        <source>too many symbolic links</source>
        <translation>zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>the file is busy</source>
        <translation>die Datei ist belegt</translation>
    </message>
    <message>
        <source>the reading end was closed</source>
        <translation>das lesende Ende wurde geschlossen</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>the start of a period: &quot;start month 13 is not 1 to 12&quot;</extracomment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>end</source>
        <extracomment>the end of a period: &quot;end day 32 is not 1 to 31&quot;</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>a settings profile</source>
        <translation>ein Einstellungsprofil</translation>
    </message>
    <message>
        <source>a number list</source>
        <translation>eine Nummernliste</translation>
    </message>
    <message>
        <source>Wrong operation:please select &quot;Always&quot; or setting the Start-End date and time.Total:%1
Wrong serial number:%2</source>
        <translation>Falsche Bedienung: Bitte „Immer“ wählen oder Start- und Enddatum und -uhrzeit einstellen. Anzahl: %1
Falsche Nr.: %2</translation>
    </message>
    <message>
        <source>Wrong number, date or time:please correct the number (&quot;+&quot; and digits, at most 22) or the date (2000-2099/01-12/01-31) and time (00-23:00-59).Total:%1
Wrong serial number:%2</source>
        <translation>Falsche Nummer, falsches Datum oder falsche Uhrzeit: Bitte die Nummer („+“ und Ziffern, höchstens 22) oder das Datum (2000-2099/01-12/01-31) und die Uhrzeit (00-23:00-59) korrigieren. Anzahl: %1
Falsche Nr.: %2</translation>
    </message>
    <message>
        <source>Wrong information on the profile,please correct it and then import again,error:%1
Serial: %2</source>
        <translation>Falsche Angaben in der Datei, bitte korrigieren und erneut importieren. Fehler: %1
Nr.: %2</translation>
    </message>
    <message>
        <source>settings page %1: %2</source>
        <translation>Einstellungen Seite %1: %2</translation>
    </message>
    <message>
        <source>the backup records no write to undo</source>
        <translation>die Sicherung verzeichnet kein Schreiben, das sich rückgängig machen ließe</translation>
    </message>
    <message>
        <source>this is another device: the write went through adapter %1, this port is adapter %2</source>
        <extracomment>%1 and %2 are the serial numbers of USB adapters</extracomment>
        <translation>das ist ein anderes Gerät: geschrieben wurde über Adapter %1, dieser Port ist Adapter %2</translation>
    </message>
    <message>
        <source>this is another device: the write left SIM number &quot;%1&quot;, the device holds &quot;%2&quot;</source>
        <translation>das ist ein anderes Gerät: nach dem Schreiben war die SIM-Nummer „%1“, das Gerät enthält „%2“</translation>
    </message>
    <message>
        <source>the %1 were not read</source>
        <extracomment>%1 is an area of the device: settings, numbers or history</extracomment>
        <translation>%1: nicht gelesen</translation>
    </message>
    <message>
        <source>%1 holds %2 pages, not %3</source>
        <translation>%1 enthält %2 Seiten, nicht %3</translation>
    </message>
    <message>
        <source>%1 page %2 is out of order</source>
        <translation>%1 Seite %2 steht nicht an ihrem Platz</translation>
    </message>
    <message>
        <source>%1 page %2 is not 256 bytes of hex</source>
        <translation>%1 Seite %2 sind nicht 256 Bytes in Hex</translation>
    </message>
    <message>
        <source>%1 page %2 does not match its checksum</source>
        <translation>%1 Seite %2 passt nicht zu ihrer Prüfsumme</translation>
    </message>
    <message>
        <source>the write record holds %1 %2 digests, not %3</source>
        <translation>der Schreibeintrag enthält %1 Prüfwerte für %2, nicht %3</translation>
    </message>
    <message>
        <source>the write record holds a %1 digest that is no SHA-256</source>
        <translation>der Schreibeintrag enthält einen Prüfwert für %1, der kein SHA-256 ist</translation>
    </message>
    <message>
        <source>the write record says nothing of what the write left</source>
        <translation>der Schreibeintrag sagt nichts darüber, was das Schreiben hinterließ</translation>
    </message>
    <message>
        <source>not a backup file (no JSON object)</source>
        <translation>keine Sicherungsdatei (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>not a backup file of this program</source>
        <translation>keine Sicherungsdatei dieses Programms</translation>
    </message>
    <message>
        <source>backup version %1 is not supported</source>
        <translation>Sicherungsversion %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the backup holds no pages</source>
        <translation>die Sicherung enthält keine Seiten</translation>
    </message>
    <message>
        <source>the backup holds no settings or number pages</source>
        <translation>die Sicherung enthält keine Einstellungs- oder Nummernseiten</translation>
    </message>
    <message>
        <source>every backup name is taken</source>
        <translation>alle Sicherungsnamen sind vergeben</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>an area of the device</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>numbers</source>
        <extracomment>an area of the device: the list of authorized numbers</extracomment>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>history</source>
        <extracomment>an area of the device: its history records</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>the device has changed since that write: %1 page %2 differs from what it left</source>
        <extracomment>%1 is an area of the device: settings, numbers or history</extracomment>
        <translation>das Gerät hat sich seit diesem Schreiben geändert: %1 Seite %2 ist anders als nach dem Schreiben</translation>
    </message>
    <message>
        <source>the device has changed since that write: %1 pages %2 differ from what it left</source>
        <extracomment>%2 lists pages: &quot;1-3, 5&quot;</extracomment>
        <translation>das Gerät hat sich seit diesem Schreiben geändert: %1 Seiten %2 sind anders als nach dem Schreiben</translation>
    </message>
</context>
<context>
    <name>DeviceJob</name>
    <message>
        <source>opening</source>
        <translation>wird geöffnet</translation>
    </message>
    <message>
        <source>logging in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>reading %1</source>
        <extracomment>Progress; %1 is the area read: settings, numbers or history</extracomment>
        <translation>Lesen: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>written to stdout</source>
        <translation>nach stdout geschrieben</translation>
    </message>
    <message>
        <source>written to %1</source>
        <translation>nach %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 pages differ</source>
        <translation>%1 Seiten weichen ab</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>Schreiben: %1</translation>
    </message>
    <message>
        <source>verifying %1</source>
        <translation>Prüfen: %1</translation>
    </message>
    <message>
        <source>verify: %1 pages %2 differ from what was written</source>
        <translation>Prüfung: %1-Seiten %2 weichen vom Geschriebenen ab</translation>
    </message>
    <message>
        <source>nothing to undo: no automatic backup of %1 in %2</source>
        <translation>nichts rückgängig zu machen: keine automatische Sicherung von %1 in %2</translation>
    </message>
    <message>
        <source>%1 refused, nothing sent: %2</source>
        <translation>%1 abgelehnt, nichts gesendet: %2</translation>
    </message>
    <message>
        <source>undoing: %1</source>
        <translation>wird zurückgesetzt: %1</translation>
    </message>
    <message>
        <source>setting the clock</source>
        <translation>Uhr wird gestellt</translation>
    </message>
    <message>
        <source>deleting the history</source>
        <translation>Ereignisprotokoll wird gelöscht</translation>
    </message>
    <message>
        <source>nothing written: cannot save the backup: %1</source>
        <translation>nichts geschrieben: die Sicherung kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>settings</source>
        <extracomment>The device&apos;s areas as progress names them: &quot;reading settings&quot;</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>history</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>nothing sent: %1</source>
        <translation>nichts gesendet: %1</translation>
    </message>
</context>
<context>
    <name>DeviceTexts</name>
    <message>
        <source>Read stopped at page %1 of %2</source>
        <translation>Lesen bei Seite %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Save stopped at page %1 of %2</source>
        <translation>Speichern bei Seite %1 von %2 abgebrochen</translation>
    </message>
    <message>
        <source>Sending command</source>
        <translation>Befehl wird gesendet</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Reading telephone number information</source>
        <translation>Telefonnummern werden gelesen</translation>
    </message>
    <message>
        <source>Reading historical data</source>
        <translation>Ereignisprotokoll wird gelesen</translation>
    </message>
    <message>
        <source>Deleting historical data</source>
        <translation>Ereignisprotokoll wird gelöscht</translation>
    </message>
    <message>
        <source>Entering checking mode</source>
        <translation>Prüfmodus wird aktiviert</translation>
    </message>
    <message>
        <source>Password verifing</source>
        <translation>Passwort wird geprüft</translation>
    </message>
    <message>
        <source>Data communication</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>Reading basic setting</source>
        <translation>Grundeinstellungen werden gelesen</translation>
    </message>
    <message>
        <source>Reading number list:</source>
        <extracomment>Status bar; the page number and count follow: &quot;Reading number list:7/125&quot;</extracomment>
        <translation>Nummernliste lesen:</translation>
    </message>
    <message>
        <source>Reading historical data:</source>
        <translation>Protokoll lesen:</translation>
    </message>
    <message>
        <source>Save basic settings</source>
        <translation>Grundeinstellungen speichern</translation>
    </message>
    <message>
        <source>Save number list:</source>
        <translation>Nummernliste speichern:</translation>
    </message>
    <message>
        <source>Receives the data synchronization command returns</source>
        <translation>Antwort auf die Uhrzeit-Synchronisierung empfangen</translation>
    </message>
    <message>
        <source>Checking mode</source>
        <translation>Prüfmodus</translation>
    </message>
    <message>
        <source>Delete command</source>
        <translation>Löschbefehl</translation>
    </message>
    <message>
        <source>Read the GSM device basic parameters to PC software?</source>
        <translation>Grundeinstellungen aus dem GSM-Gerät in die PC-Software lesen?</translation>
    </message>
    <message>
        <source>Read the Authorized number list from GSM device to PC software?</source>
        <translation>Liste der berechtigten Nummern aus dem GSM-Gerät in die PC-Software lesen?</translation>
    </message>
    <message>
        <source>Warning: Thie operation will DELETE all of the historical data on GSM device! </source>
        <translation>Warnung: Dieser Vorgang LÖSCHT das gesamte Ereignisprotokoll im GSM-Gerät! </translation>
    </message>
    <message>
        <source>Password confirmed!</source>
        <translation>Passwort bestätigt!</translation>
    </message>
    <message>
        <source>Password Error!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <source>Receive timeout</source>
        <translation>Zeitüberschreitung beim Empfang</translation>
    </message>
    <message>
        <source>Basic settings read to PC software success.</source>
        <translation>Grundeinstellungen erfolgreich in die PC-Software gelesen.</translation>
    </message>
    <message>
        <source>Basic setting saved success</source>
        <translation>Grundeinstellungen erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Basic setting error</source>
        <translation>Fehler in den Grundeinstellungen</translation>
    </message>
    <message>
        <source>Authorized number list read to PC software success.</source>
        <translation>Liste der berechtigten Nummern erfolgreich in die PC-Software gelesen.</translation>
    </message>
    <message>
        <source>Authorized number list saved success</source>
        <translation>Liste der berechtigten Nummern erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Number list data error</source>
        <translation>Fehler in den Daten der Nummernliste</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Message: the device answered that it entered its checking mode</extracomment>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Message: the device refused to enter its checking mode</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Historical data deleted</source>
        <translation>Ereignisprotokoll gelöscht</translation>
    </message>
    <message>
        <source>Historical data delet error</source>
        <translation>Fehler beim Löschen des Ereignisprotokolls</translation>
    </message>
    <message>
        <source>The COM port is not open. Open it first, then try again.</source>
        <translation>Der COM-Port ist nicht geöffnet. Bitte zuerst öffnen und dann erneut versuchen.</translation>
    </message>
    <message>
        <source>The device was disconnected. Check the cable, open the port again and log in.</source>
        <translation>Die Verbindung zum Gerät wurde getrennt. Kabel prüfen, den Port erneut öffnen und anmelden.</translation>
    </message>
    <message>
        <source>The device has not answered the last request yet. Try again in a moment.</source>
        <translation>Das Gerät hat auf die letzte Anfrage noch nicht geantwortet. Bitte gleich erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Saved to %1</source>
        <extracomment>Status bar text after the first file saved in the user&apos;s configuration folder</extracomment>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>The configuration folder cannot be created.</source>
        <translation>Der Konfigurationsordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>EXCEL file</source>
        <translation>EXCEL-Datei</translation>
    </message>
</context>
<context>
    <name>HelpPicture</name>
    <message>
        <source>Insert the SIM card</source>
        <translation>SIM-Karte einlegen</translation>
    </message>
    <message>
        <source>Put the SIM card into the holder of the device.</source>
        <translation>Die SIM-Karte in den Halter des Geräts stecken.</translation>
    </message>
    <message>
        <source>Power the device</source>
        <translation>Gerät einschalten</translation>
    </message>
    <message>
        <source>Connect the power supply and wait until the device has started.</source>
        <translation>Netzteil anschließen und warten, bis das Gerät gestartet ist.</translation>
    </message>
    <message>
        <source>Connect it by USB</source>
        <translation>Per USB verbinden</translation>
    </message>
    <message>
        <source>Connect the device to this PC with the USB cable.</source>
        <translation>Das Gerät per USB-Kabel mit diesem PC verbinden.</translation>
    </message>
    <message>
        <source>Pick its port</source>
        <translation>Port wählen</translation>
    </message>
    <message>
        <source>Choose the device&apos;s serial port in the &quot;COM Port:&quot; box at the top.</source>
        <translation>Oben im Feld „COM-Port:“ den Port des Geräts wählen.</translation>
    </message>
    <message>
        <source>Press Open</source>
        <translation>„Öffnen“ drücken</translation>
    </message>
    <message>
        <source>The indicator at the lower left turns from red to green.</source>
        <translation>Die Anzeige unten links wechselt von Rot zu Grün.</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Type the device password (factory setting 7145) and press &quot;Log in&quot;.</source>
        <translation>Gerätepasswort (ab Werk 7145) eingeben und „Anmelden“ drücken.</translation>
    </message>
    <message>
        <source>Read the settings</source>
        <translation>Einstellungen lesen</translation>
    </message>
    <message>
        <source>On the Basic Settings tab press &quot;Read Settings&quot;.</source>
        <translation>Im Reiter „Einstellungen“ auf „Auslesen“ drücken.</translation>
    </message>
    <message>
        <source>Edit and save them</source>
        <translation>Ändern und speichern</translation>
    </message>
    <message>
        <source>Change the values in the grid, then press &quot;Save Settings&quot;.</source>
        <translation>Werte in der Tabelle ändern, dann „Speichern“ drücken.</translation>
    </message>
    <message>
        <source>Restart the device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Disconnect the device and power it up again.</source>
        <translation>Gerät trennen und wieder einschalten.</translation>
    </message>
    <message>
        <source>Setting up the GSM gate opener</source>
        <translation>Einrichtung des GSM-Toröffners</translation>
    </message>
    <message>
        <source>Nine steps from the box to a configured device</source>
        <translation>In neun Schritten zum eingerichteten Gerät</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Serial</source>
        <extracomment>History headers: row, record number, date, time, source, event, phone number, text</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Satznr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Executant</source>
        <translation>Ausführender</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>CODE</source>
        <extracomment>Placeholder of --language&apos;s value in --help</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, zh_CN); by default the language of the user&apos;s locale.</source>
        <translation>Das Programm in der Sprache CODE anzeigen (en, de, zh_CN); sonst in der Sprache des Gebietsschemas.</translation>
    </message>
</context>
<context>
    <name>ListDialog</name>
    <message>
        <source>Position list</source>
        <translation>Positionsliste</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Log in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the serial port (it reads &quot;Close&quot; while the port is open)</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Basic Settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Number List</source>
        <translation>Nummernliste</translation>
    </message>
    <message>
        <source>Historical Data</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Read Settings</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil sichern</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>DIN1 Type</source>
        <translation>DIN1-Typ</translation>
    </message>
    <message>
        <source>DIN2 Type</source>
        <translation>DIN2-Typ</translation>
    </message>
    <message>
        <source>Arm/Disarm after power on</source>
        <translation>Scharf/Unscharf nach dem Einschalten</translation>
    </message>
    <message>
        <source>Relay Control Authorization</source>
        <translation>Berechtigung zur Relaissteuerung</translation>
    </message>
    <message>
        <source>Notify when relay switches ON</source>
        <translation>Meldung, wenn das Relais EIN schaltet</translation>
    </message>
    <message>
        <source>Notify when relay switches OFF</source>
        <translation>Meldung, wenn das Relais AUS schaltet</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>Button: reads the authorized number list from the device</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Button: saves the authorized number list to the device</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import .XLS</source>
        <translation>Import .XLS</translation>
    </message>
    <message>
        <source>Export .XLS</source>
        <translation>Export .XLS</translation>
    </message>
    <message>
        <source>Export .CSV</source>
        <translation>Export .CSV</translation>
    </message>
    <message>
        <source>All Always</source>
        <translation>Alle immer</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Authorized number list</source>
        <translation>Liste der berechtigten Nummern</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>Start:</source>
        <extracomment>Label before the history filter&apos;s start date and time</extracomment>
        <translation>Von:</translation>
    </message>
    <message>
        <source>End:</source>
        <extracomment>Label before the history filter&apos;s end date and time</extracomment>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Button: keeps the history events between the start and end picked</extracomment>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Export.CSV</source>
        <translation>Export.CSV</translation>
    </message>
    <message>
        <source>Export.XLS</source>
        <translation>Export.XLS</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Setup steps</source>
        <translation>Einrichtungsschritte</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Port open</source>
        <translation>Port offen</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Port geschlossen</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>OK(&amp;Y)</source>
        <extracomment>Confirms a read; Y is the key that presses it</extracomment>
        <translation>OK(&amp;J)</translation>
    </message>
    <message>
        <source>Cancel(&amp;N)</source>
        <extracomment>Refuses a read; N is the key that presses it</extracomment>
        <translation>Abbrechen(&amp;N)</translation>
    </message>
    <message>
        <source>A transfer to the device is in progress. Stop it and close?</source>
        <translation>Eine Übertragung zum Gerät läuft. Abbrechen und schließen?</translation>
    </message>
</context>
<context>
    <name>NumberList</name>
    <message>
        <source>Serial</source>
        <extracomment>Number grid headers; (V) marks a tick column</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Authorized number</source>
        <translation>Berechtigte Nummer</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Start Time </source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Always(V)</source>
        <translation>Immer(V)</translation>
    </message>
    <message>
        <source>Delete(V)</source>
        <translation>Löschen(V)</translation>
    </message>
</context>
<context>
    <name>PageControl</name>
    <message>
        <source>Basic</source>
        <extracomment>First and second line of the &quot;Basic Settings&quot; tab label (about 9 letters each)</extracomment>
        <translation>Einstel-</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>lungen</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>First and second line of the &quot;Number List&quot; tab label</extracomment>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Historical</source>
        <extracomment>First and second line of the &quot;Historical Data&quot; tab label</extracomment>
        <translation>Ereignis-</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>protokoll</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the password file %1 may be read or written by other users (mode 0%2): make it the owner&apos;s alone (chmod 600)</source>
        <translation>die Passwortdatei %1 darf von anderen Benutzern gelesen oder geschrieben werden (Modus 0%2): nur für den Besitzer freigeben (chmod 600)</translation>
    </message>
    <message>
        <source>Device password (Enter for the factory one): </source>
        <translation>Gerätepasswort (Eingabetaste für das Werkspasswort): </translation>
    </message>
</context>
<context>
    <name>PortArguments</name>
    <message>
        <source>simulators not listed: %1</source>
        <translation>Simulatoren nicht aufgeführt: %1</translation>
    </message>
</context>
<context>
    <name>PortController</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the serial port</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>COM Port error</source>
        <translation>COM-Port-Fehler</translation>
    </message>
    <message>
        <source>Permission denied. Add your user to the &apos;dialout&apos; group and log in again.</source>
        <translation>Zugriff verweigert. Den Benutzer zur Gruppe &apos;dialout&apos; hinzufügen und neu anmelden.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Configuration program for the GSM gate opener: reads and saves its settings, authorized numbers and event history over a USB-to-UART serial port.</source>
        <translation>Konfigurationsprogramm für den GSM-Toröffner: liest und speichert dessen Einstellungen, berechtigte Nummern und Ereignisprotokoll über eine serielle USB-UART-Schnittstelle.</translation>
    </message>
    <message>
        <source>Write one JSON line per frame sent or received to FILE, for support.</source>
        <translation>Für den Support je gesendetem oder empfangenem Datenrahmen eine JSON-Zeile in DATEI schreiben.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>Placeholder of --trace&apos;s value in --help</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Print the monotonic clock time, in nanoseconds, at which the window&apos;s first frame was painted, and quit; for start-up benchmarks.</source>
        <translation>Die Zeit der monotonen Uhr in Nanosekunden ausgeben, zu der das erste Bild des Fensters gezeichnet wurde, und beenden; für Startzeit-Messungen.</translation>
    </message>
    <message>
        <source>Try &quot;gsmgate --help&quot;.</source>
        <translation>Siehe „gsmgate --help“.</translation>
    </message>
</context>
<context>
    <name>ProgressBoard</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>%1 refused, nothing sent: %2</source>
        <translation>%1 abgelehnt, nichts gesendet: %2</translation>
    </message>
    <message>
        <source>%1 is no regular file and takes the data of one device only</source>
        <translation>%1 ist keine reguläre Datei und nimmt nur die Daten eines Geräts auf</translation>
    </message>
    <message>
        <source>%1 and %2 would both write %3: give ports whose names differ, or one --port at a time</source>
        <translation>%1 und %2 würden beide %3 schreiben: Ports mit verschiedenen Namen angeben oder je ein --port</translation>
    </message>
    <message>
        <source>%1 exists, and a backup never replaces a file: remove it or name another</source>
        <translation>%1 existiert, und eine Sicherung ersetzt nie eine Datei: sie entfernen oder eine andere nennen</translation>
    </message>
    <message>
        <source>no port matches %1</source>
        <translation>kein Port passt zu %1</translation>
    </message>
    <message>
        <source>no port to work on</source>
        <translation>kein Port zum Bearbeiten</translation>
    </message>
    <message>
        <source>- (stdout) takes the data of one device only</source>
        <translation>- (stdout) nimmt nur die Daten eines Geräts auf</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2</source>
        <translation>der Mitschnitt %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>backup of %1: %2</source>
        <translation>Sicherung von %1: %2</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Error opening serial port</source>
        <translation>Fehler beim Öffnen des COM-Ports</translation>
    </message>
    <message>
        <source>Cannot setup comm buffer</source>
        <translation>Der Puffer des COM-Ports kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>This serial port already opened</source>
        <translation>Dieser COM-Port ist bereits geöffnet</translation>
    </message>
    <message>
        <source>File handle is not a comm handle </source>
        <translation>Das Dateihandle gehört zu keinem COM-Port </translation>
    </message>
    <message>
        <source>Cannot set up the serial line</source>
        <translation>Die serielle Leitung kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>Unable to create event</source>
        <translation>Das Ereignis kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Unable to create read thread</source>
        <translation>Der Lese-Thread kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Unable to create write thread</source>
        <translation>Der Schreib-Thread kann nicht erzeugt werden</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Up to 40 characters</source>
        <translation>Bis zu 40 Zeichen</translation>
    </message>
    <message>
        <source>Call mobile operator to ask the APN name if you need data function</source>
        <translation>Für Datendienste den APN-Namen beim Mobilfunkanbieter erfragen</translation>
    </message>
    <message>
        <source>Default3:Admin Number;Caller Number</source>
        <translation>Standard 3:Admin-Nummer;Anrufernummer</translation>
    </message>
    <message>
        <source>1.Password</source>
        <translation>1.Passwort</translation>
    </message>
    <message>
        <source>Default Password:7145</source>
        <translation>Standardpasswort:7145</translation>
    </message>
    <message>
        <source>2.SIM Card Phone No</source>
        <translation>2.Rufnummer der SIM-Karte</translation>
    </message>
    <message>
        <source>Up to 21 digits, supports country code</source>
        <translation>Bis zu 21 Ziffern, Ländervorwahl möglich</translation>
    </message>
    <message>
        <source>3.DIN1 Type</source>
        <translation>3.DIN1-Typ</translation>
    </message>
    <message>
        <source>Default:NO</source>
        <translation>Standard:NO</translation>
    </message>
    <message>
        <source>4.DIN2 Type</source>
        <translation>4.DIN2-Typ</translation>
    </message>
    <message>
        <source>5.DIN1 Alarm Content</source>
        <translation>5.DIN1-Alarmtext</translation>
    </message>
    <message>
        <source>6.DIN2 Alarm Content</source>
        <translation>6.DIN2-Alarmtext</translation>
    </message>
    <message>
        <source>7.Auto Arm after authorized number call-in(0~999)</source>
        <translation>7.Autom. scharf nach Anruf berecht. Nr.(0~999)</translation>
    </message>
    <message>
        <source>Default:10,Unit:Minute.Setting to 0 means Disable Auto Alarm.</source>
        <translation>Standard:10,Einheit:Minute. 0 schaltet das autom. Scharfschalten ab.</translation>
    </message>
    <message>
        <source>8.Arm/Disarm after power on</source>
        <translation>8.Scharf/Unscharf nach Einschalten</translation>
    </message>
    <message>
        <source>Default:Disarm. System will alarm only on Arm status</source>
        <translation>Standard:Unscharf. Alarm nur im scharfen Zustand</translation>
    </message>
    <message>
        <source>9.Relay Control Authorization</source>
        <translation>9.Berechtigung Relaissteuerung</translation>
    </message>
    <message>
        <source>Default:Only authorized number(s) can call to control</source>
        <translation>Standard:Nur berechtigte Nummern steuern per Anruf</translation>
    </message>
    <message>
        <source>10.Relay swtich ON timer(0~999, Unit:Second)</source>
        <translation>10.Relais-EIN-Zeit(0~999, Einheit:Sekunde)</translation>
    </message>
    <message>
        <source>Default:0,means relay ON 0.5 seconds then OFF after call in</source>
        <translation>Standard:0, Relais nach Anruf 0,5 Sekunden EIN, dann AUS</translation>
    </message>
    <message>
        <source>11.When relay switch ON by authorized number,notify</source>
        <translation>11.Meldung, wenn berecht. Nr. Relais EIN schaltet</translation>
    </message>
    <message>
        <source>12.When relay switch OFF by authorized number,notify</source>
        <translation>12.Meldung, wenn berecht. Nr. Relais AUS schaltet</translation>
    </message>
    <message>
        <source>13.SMS content when relay ON</source>
        <translation>13.SMS-Text bei Relais EIN</translation>
    </message>
    <message>
        <source>14.SMS content when relay OFF</source>
        <translation>14.SMS-Text bei Relais AUS</translation>
    </message>
    <message>
        <source>15.Power source failure alarm delay(0~999,Unit:Min)</source>
        <translation>15.Alarmverzög. Netzausfall(0~999,Einheit:Min)</translation>
    </message>
    <message>
        <source>Default:999,means no alarm.Setting as 000,alarm SMS once power failure.</source>
        <translation>Standard:999, kein Alarm. 000: Alarm-SMS sofort bei Netzausfall.</translation>
    </message>
    <message>
        <source>16.Self-Check Report Interval(0-999,Unit:Hour)</source>
        <translation>16.Selbsttest-Berichtsintervall(0-999,Einheit:Std)</translation>
    </message>
    <message>
        <source>Default:0,means no report</source>
        <translation>Standard:0, kein Bericht</translation>
    </message>
    <message>
        <source>17.GPRS Data Upload Interval Time(0-9999,Unit:Min)</source>
        <translation>17.GPRS-Upload-Intervall(0-9999,Einheit:Min)</translation>
    </message>
    <message>
        <source>Default:9999,disable.Setting as 0 means always on line</source>
        <translation>Standard:9999, aus. 0 bedeutet ständig online</translation>
    </message>
    <message>
        <source>18.Server IP Address</source>
        <translation>18.Server-IP-Adresse</translation>
    </message>
    <message>
        <source>Up to 32 characters</source>
        <translation>Bis zu 32 Zeichen</translation>
    </message>
    <message>
        <source>19.Server Port(0-65535)</source>
        <translation>19.Server-Port(0-65535)</translation>
    </message>
    <message>
        <source>Default:65535</source>
        <translation>Standard:65535</translation>
    </message>
    <message>
        <source>20.GPRS APN</source>
        <translation>20.GPRS-APN</translation>
    </message>
    <message>
        <source>21.GPRS User Name</source>
        <translation>21.GPRS-Benutzername</translation>
    </message>
    <message>
        <source>22.GPRS Password</source>
        <translation>22.GPRS-Passwort</translation>
    </message>
    <message>
        <source>Items</source>
        <extracomment>Settings grid headers: the setting, its value, what it means</extracomment>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>0:NC </source>
        <translation>0:NC (Öffner)</translation>
    </message>
    <message>
        <source>1:NO</source>
        <translation>1:NO (Schließer)</translation>
    </message>
    <message>
        <source>0:Disarm</source>
        <translation>0:Unscharf</translation>
    </message>
    <message>
        <source>1:Arm</source>
        <translation>1:Scharf</translation>
    </message>
    <message>
        <source>0:Allow all numbers to control the Relay</source>
        <translation>0:Alle Nummern dürfen das Relais steuern</translation>
    </message>
    <message>
        <source>1:Only authorized numbers can control the relay</source>
        <translation>1:Nur berechtigte Nummern steuern das Relais</translation>
    </message>
    <message>
        <source>0:None</source>
        <translation>0:Keine</translation>
    </message>
    <message>
        <source>1:Admin Number</source>
        <translation>1:Admin-Nummer</translation>
    </message>
    <message>
        <source>2:Caller Number</source>
        <translation>2:Anrufernummer</translation>
    </message>
    <message>
        <source>3:Admin &amp; Caller Number</source>
        <translation>3:Admin- und Anrufernummer</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>The first page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>The second page</source>
        <translation>Zweite Seite</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>historical information records:</source>
        <translation>Protokolleinträge:</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Profil sichern</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Profil laden</translation>
    </message>
    <message>
        <source>Import.xls</source>
        <translation>Import.xls</translation>
    </message>
    <message>
        <source>Export.csv:</source>
        <translation>Export.csv:</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Speichern:</translation>
    </message>
    <message>
        <source>Ready to order</source>
        <translation>Bereit zum Sortieren</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Sort date</source>
        <translation>Nach Datum sortieren</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>FAILED: %1</source>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>ok, unchanged</source>
        <translation>ok, unverändert</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>Headers of the summary table the tool prints after its devices</extracomment>
        <translation>PORT</translation>
    </message>
    <message>
        <source>SIM NUMBER</source>
        <translation>SIM-NUMMER</translation>
    </message>
    <message>
        <source>OPERATION</source>
        <translation>VORGANG</translation>
    </message>
    <message>
        <source>PAGES</source>
        <translation>SEITEN</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>ERGEBNIS</translation>
    </message>
</context>
<context>
    <name>UndoLastSave</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A count and what is counted: &quot;3 settings&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>number entry</source>
        <translation>Nummerneintrag</translation>
    </message>
    <message>
        <source>number entries</source>
        <translation>Nummerneinträge</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Undo last save? This changes back %1.</source>
        <extracomment>%1 lists what changes back: &quot;3 settings and 2 number entries&quot;</extracomment>
        <translation>Letztes Speichern rückgängig machen? Zurückgesetzt werden: %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>&amp;Undo last save</source>
        <translation>Letztes Speichern &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Put back what the device held before the last save (Ctrl+Shift+Z)</source>
        <translation>Stellt wieder her, was das Gerät vor dem letzten Speichern enthielt (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <extracomment>Accessible name of a grid&apos;s context menu; %1 is the grid&apos;s name</extracomment>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>Nothing to undo: there is no backup of a save to %1 in %2</source>
        <translation>Nichts rückgängig zu machen: In %2 liegt keine Sicherung eines Speicherns auf %1</translation>
    </message>
    <message>
        <source>Not undone, nothing sent: %1: %2</source>
        <translation>Nicht rückgängig gemacht, nichts gesendet: %1: %2</translation>
    </message>
    <message>
        <source>Not undone, nothing sent: %1 (%2 &quot;%3&quot;)</source>
        <translation>Nicht rückgängig gemacht, nichts gesendet: %1 (%2 „%3“)</translation>
    </message>
    <message>
        <source>Nothing to undo: the device holds what %1 holds already</source>
        <translation>Nichts rückgängig zu machen: Das Gerät enthält bereits, was %1 enthält</translation>
    </message>
</context>
</TS>
