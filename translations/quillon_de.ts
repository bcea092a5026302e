<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>%1 is already running!</source>
        <translation>%1 läuft bereits!</translation>
    </message>
</context>
<context>
    <name>ApplyValues</name>
    <message>
        <source>only in the current trace</source>
        <translation>nur in der aktuellen Trace-Datei</translation>
    </message>
    <message>
        <source>only in the wanted trace</source>
        <translation>nur in der gewünschten Trace-Datei</translation>
    </message>
    <message>
        <source>%1 value lines, %2 in the wanted trace</source>
        <translation>%1 Wertzeilen, %2 in der gewünschten Trace-Datei</translation>
    </message>
    <message>
        <source>empty value in the wanted trace</source>
        <translation>leerer Wert in der gewünschten Trace-Datei</translation>
    </message>
    <message>
        <source>its values were not found in the module data</source>
        <translation>ihre Werte wurden in den Moduldaten nicht gefunden</translation>
    </message>
    <message>
        <source>several value lines after Show values</source>
        <translation>mehrere Wertzeilen nach „Werte zeigen“</translation>
    </message>
    <message>
        <source>warning: %1: %2 is not among the possible values</source>
        <translation>Warnung: %1: %2 ist keiner der möglichen Werte</translation>
    </message>
    <message>
        <source>not applied: %1 (%2)</source>
        <translation>nicht übernommen: %1 (%2)</translation>
    </message>
    <message>
        <source>1 value changed</source>
        <translation>1 Wert geändert</translation>
    </message>
    <message>
        <source>%1 values changed</source>
        <translation>%1 Werte geändert</translation>
    </message>
</context>
<context>
    <name>AssemblyData</name>
    <message>
        <source>the folder cannot be listed.</source>
        <translation>der Ordner kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ChassisData</name>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>&quot;KEYWORD&quot; not found in %1.</source>
        <translation>„KEYWORD“ in %1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>CodingHistory</name>
    <message>
        <source>the folder cannot be created.</source>
        <translation>der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>match</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>%1 of %2 functions</source>
        <translation>%1 von %2 Funktionen</translation>
    </message>
    <message>
        <source>Only %1 of %2 functions of this trace are in the snapshot. Is this the same module?</source>
        <translation>Nur %1 von %2 Funktionen dieser Trace-Datei sind im gespeicherten Stand. Ist es dasselbe Modul?</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Select trace file &amp;%1</source>
        <translation>Trace-Datei &amp;%1 wählen</translation>
    </message>
</context>
<context>
    <name>ExplainPanel</name>
    <message>
        <source>E&amp;xplain function…</source>
        <translation>Funktion &amp;erklären…</translation>
    </message>
    <message>
        <source>Select a function in the tree first.</source>
        <translation>Zuerst eine Funktion im Baum auswählen.</translation>
    </message>
    <message>
        <source>Select chassis and module first.</source>
        <translation>Zuerst Baureihe und Modul wählen.</translation>
    </message>
</context>
<context>
    <name>FolderSync</name>
    <message>
        <source>backup --&gt; </source>
        <translation>sichern --&gt; </translation>
    </message>
    <message>
        <source>update --&gt; </source>
        <translation>aktualisieren --&gt; </translation>
    </message>
    <message>
        <source>remain --&gt; </source>
        <translation>bleibt --&gt; </translation>
    </message>
    <message>
        <source>copy --&gt; </source>
        <translation>kopieren --&gt; </translation>
    </message>
    <message>
        <source>delete --&gt; </source>
        <translation>löschen --&gt; </translation>
    </message>
    <message>
        <source>skip link --&gt; </source>
        <translation>Verknüpfung übersprungen --&gt; </translation>
    </message>
    <message>
        <source>skip, not a regular file --&gt; </source>
        <translation>übersprungen, keine normale Datei --&gt; </translation>
    </message>
    <message>
        <source>delete leftover --&gt; </source>
        <translation>Rest löschen --&gt; </translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>Sicherung %1</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>Aktualisierung %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Löschen %1</translation>
    </message>
    <message>
        <source>Update files in %1</source>
        <translation>Aktualisierung der Dateien in %1</translation>
    </message>
    <message>
        <source>Check files</source>
        <translation>Dateien prüfen</translation>
    </message>
</context>
<context>
    <name>FrameFile</name>
    <message>
        <source>unexpected character &apos;%1&apos;</source>
        <translation>unerwartetes Zeichen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>empty brackets</source>
        <translation>leere Klammern</translation>
    </message>
    <message>
        <source>%1: offset %2 (%3): %4</source>
        <translation>%1: Offset %2 (%3): %4</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>not a frame file: it does not begin with a signature frame</source>
        <translation>keine Rahmendatei: sie beginnt nicht mit einem Signaturrahmen</translation>
    </message>
    <message>
        <source>frame cut short: its %1 payload bytes need %2 bytes, %3 are left</source>
        <translation>Rahmen abgeschnitten: seine %1 Nutzbytes brauchen %2 Bytes, %3 sind übrig</translation>
    </message>
    <message>
        <source>check byte %1, but the frame&apos;s bytes give %2</source>
        <translation>Prüfbyte %1, die Bytes des Rahmens ergeben aber %2</translation>
    </message>
    <message>
        <source>row of undefined block %1</source>
        <translation>Zeile eines undefinierten Blocks %1</translation>
    </message>
    <message>
        <source>row of block %1: a presence byte is neither 00 nor 01</source>
        <translation>Zeile von Block %1: ein Anwesenheitsbyte ist weder 00 noch 01</translation>
    </message>
    <message>
        <source>row of block %1 ends before its format &quot;%2&quot; does</source>
        <translation>Zeile von Block %1 endet vor ihrem Format „%2“</translation>
    </message>
    <message>
        <source>row of block %1 has %2 bytes after its last field</source>
        <translation>Zeile von Block %1 hat %2 Bytes nach ihrem letzten Feld</translation>
    </message>
    <message>
        <source>definition of block %1 incomplete: frame type %2 where %3 belongs</source>
        <translation>Definition von Block %1 unvollständig: Rahmentyp %2, wo %3 hingehört</translation>
    </message>
    <message>
        <source>frame type %1 outside a block definition</source>
        <translation>Rahmentyp %1 außerhalb einer Blockdefinition</translation>
    </message>
    <message>
        <source>signature frame among the block definitions</source>
        <translation>Signaturrahmen zwischen den Blockdefinitionen</translation>
    </message>
    <message>
        <source>block name without its 00 byte</source>
        <translation>Blockname ohne sein 00-Byte</translation>
    </message>
    <message>
        <source>block id %1 is defined twice</source>
        <translation>Block-ID %1 ist doppelt definiert</translation>
    </message>
    <message>
        <source>format of block %1 without its 00 byte</source>
        <translation>Format von Block %1 ohne sein 00-Byte</translation>
    </message>
    <message>
        <source>format &quot;%1&quot; of block %2: %3</source>
        <translation>Format „%1“ von Block %2: %3</translation>
    </message>
    <message>
        <source>field names of block %1 without their 00 byte</source>
        <translation>Feldnamen von Block %1 ohne ihr 00-Byte</translation>
    </message>
    <message>
        <source>frame type %1 before the end of the definitions</source>
        <translation>Rahmentyp %1 vor dem Ende der Definitionen</translation>
    </message>
    <message>
        <source>the definitions never end: no divider frame (%1)</source>
        <translation>die Definitionen enden nie: kein Trennrahmen (%1)</translation>
    </message>
</context>
<context>
    <name>FrmApplied</name>
    <message>
        <source>Values applied</source>
        <translation>Werte übernommen</translation>
    </message>
    <message>
        <source>Values of %1:</source>
        <translation>Werte aus %1:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FrmChange</name>
    <message>
        <source>Change value</source>
        <translation>Wert ändern</translation>
    </message>
    <message>
        <source>function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>quick change</source>
        <translation>umschalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FrmExplain</name>
    <message>
        <source>(no bytes)</source>
        <translation>(keine Bytes)</translation>
    </message>
    <message>
        <source>Explain function</source>
        <translation>Funktion erklären</translation>
    </message>
    <message>
        <source>%1 (id %2) in %3</source>
        <translation>%1 (ID %2) in %3</translation>
    </message>
    <message>
        <source>In the coding data: %1</source>
        <translation>In den Codierdaten: %1</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Possible values and the bytes each writes (bold: the value in the trace):</source>
        <translation>Mögliche Werte und die Bytes, die jeder schreibt (fett: der Wert in der Trace-Datei):</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>No other function of the module uses its bits.</source>
        <translation>Keine andere Funktion des Moduls nutzt ihre Bits.</translation>
    </message>
    <message>
        <source>Shares bits with: %1</source>
        <translation>Teilt Bits mit: %1</translation>
    </message>
    <message>
        <source>&quot;Show values&quot; finds the same values.</source>
        <translation>„Werte zeigen“ findet dieselben Werte.</translation>
    </message>
    <message>
        <source>The search of &quot;Show values&quot; stops: %1</source>
        <translation>Die Suche von „Werte zeigen“ bricht ab: %1</translation>
    </message>
    <message>
        <source>Not found by &quot;Show values&quot;: %1</source>
        <translation>Von „Werte zeigen“ nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Found only by &quot;Show values&quot;: %1</source>
        <translation>Nur von „Werte zeigen“ gefunden: %1</translation>
    </message>
</context>
<context>
    <name>FrmFindModule</name>
    <message>
        <source>Find module for this trace</source>
        <translation>Modul zu dieser Trace-Datei finden</translation>
    </message>
    <message>
        <source>Searching the modules of %1...</source>
        <translation>Durchsuche die Module von %1...</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Every value known</source>
        <translation>Alle Werte bekannt</translation>
    </message>
    <message>
        <source>Functions found</source>
        <translation>Funktionen gefunden</translation>
    </message>
    <message>
        <source>%1 holds no module files.</source>
        <translation>%1 enthält keine Moduldateien.</translation>
    </message>
    <message>
        <source>Best first. Of the trace&apos;s %1 functions, &quot;Every value known&quot; counts those whose current values the module knows, &quot;Functions found&quot; those it has at all.</source>
        <translation>Die besten zuerst. Von den %1 Funktionen der Trace-Datei zählt „Alle Werte bekannt“ die, deren aktuelle Werte das Modul kennt, „Funktionen gefunden“ die, die es überhaupt hat.</translation>
    </message>
    <message>
        <source>not searched</source>
        <translation>nicht durchsucht</translation>
    </message>
</context>
<context>
    <name>FrmHistory</name>
    <message>
        <source>Coding history</source>
        <translation>Codierverlauf</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Chassis - module</source>
        <translation>Baureihe - Modul</translation>
    </message>
    <message>
        <source>Changed values</source>
        <translation>Geänderte Werte</translation>
    </message>
    <message>
        <source>Functions compared with the loaded trace</source>
        <translation>Vergleich mit geladener Trace-Datei</translation>
    </message>
    <message>
        <source>&quot;match&quot;: the saved trace holds the same functions as the loaded one, so it is the same module. Otherwise: how many of the loaded trace&apos;s functions it holds.</source>
        <translation>„passt“: Die gespeicherte Trace-Datei enthält dieselben Funktionen wie die geladene, es ist also dasselbe Modul. Sonst: wie viele Funktionen der geladenen Trace-Datei sie enthält.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Restore this state</source>
        <translation>Diesen Stand wiederherstellen</translation>
    </message>
    <message>
        <source>Show files</source>
        <translation>Dateien zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Load TRC-file to see what a restore would change.</source>
        <translation>TRC-Datei laden, um zu sehen, was die Wiederherstellung ändern würde.</translation>
    </message>
    <message>
        <source>&quot;Restore this state&quot; would change:</source>
        <translation>„Diesen Stand wiederherstellen“ würde ändern:</translation>
    </message>
    <message>
        <source>Select a saved state first.</source>
        <translation>Zuerst einen gespeicherten Stand auswählen.</translation>
    </message>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
    <message>
        <source>the state saved %1</source>
        <translation>dem am %1 gespeicherten Stand</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*</source>
        <translation>Trace-Dateien (*.trc, *.man)|*.trc;*.man|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>FrmRestore</name>
    <message>
        <source>Restore an installation</source>
        <translation>Installation rückgängig machen</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Data set folder</source>
        <translation>Ordner der SP-Daten</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Tool folders</source>
        <translation>Programmordner</translation>
    </message>
    <message>
        <source>Restorable</source>
        <translation>Wiederherstellbar</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>nein: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Check cancelled; select the installation again to check it.</source>
        <translation>Prüfung abgebrochen; zum Prüfen die Installation erneut auswählen.</translation>
    </message>
    <message>
        <source>Checking the files of this installation...</source>
        <translation>Prüfe die Dateien dieser Installation...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no: %1 (and %2 more)</source>
        <translation>nein: %1 (und %2 weitere)</translation>
    </message>
    <message>
        <source>Every file is as the installation left it.</source>
        <translation>Jede Datei ist so, wie die Installation sie hinterlassen hat.</translation>
    </message>
    <message>
        <source>This installation cannot be restored.</source>
        <translation>Diese Installation kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Select an installation and let its check end first.</source>
        <translation>Zuerst eine Installation auswählen und ihre Prüfung abwarten.</translation>
    </message>
    <message>
        <source>This installation cannot be restored:<byte value="xd"/>
%1</source>
        <translation>Diese Installation kann nicht rückgängig gemacht werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Restore the tool folders to how they were before this installation?<byte value="xd"/>
<byte value="xd"/>
%1 of %2<byte value="xd"/>
%3<byte value="xd"/>
%4</source>
        <translation>Die Programmordner auf den Stand vor dieser Installation zurücksetzen?<byte value="xd"/>
<byte value="xd"/>
%1 vom %2<byte value="xd"/>
%3<byte value="xd"/>
%4</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
This installation stopped before it ended: what its record lists is undone, nothing more.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Diese Installation wurde vor ihrem Ende abgebrochen: rückgängig gemacht wird, was ihr Protokoll aufführt, nicht mehr.</translation>
    </message>
</context>
<context>
    <name>FrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>change</source>
        <translation>ändern</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>starts with</source>
        <translation>beginnt mit</translation>
    </message>
    <message>
        <source>any part</source>
        <translation>enthält</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>up</source>
        <translation>aufwärts</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abwärts</translation>
    </message>
    <message>
        <source>Search next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search for function:</source>
        <translation>Funktion suchen:</translation>
    </message>
</context>
<context>
    <name>FrmTranslationReport</name>
    <message>
        <source>Translation report</source>
        <translation>Übersetzungsbericht</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Not translated:</source>
        <translation>Nicht übersetzt:</translation>
    </message>
    <message>
        <source>Export missing...</source>
        <translation>Fehlende exportieren...</translation>
    </message>
    <message>
        <source>Export missing translations</source>
        <translation>Fehlende Übersetzungen exportieren</translation>
    </message>
    <message>
        <source>Table files (*.csv)|*.csv|All files (*.*)|*.*</source>
        <translation>Tabellendateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 names written to %2.<byte value="xd"/>
Fill in each translation after its comma and add the lines to Translations.csv.</source>
        <translation>%1 Namen in %2 geschrieben.<byte value="xd"/>
Jede Übersetzung hinter ihrem Komma eintragen und die Zeilen in Translations.csv übernehmen.</translation>
    </message>
</context>
<context>
    <name>FrmUpdate</name>
    <message>
        <source>Check for update</source>
        <translation>Auf Update prüfen</translation>
    </message>
    <message>
        <source>Assembly number:</source>
        <translation>Zusammenbaunummer:</translation>
    </message>
    <message>
        <source>Check SP-source</source>
        <translation>In der SP-Quelle suchen</translation>
    </message>
    <message>
        <source>Find assembly number in INPA, button Ident, page down</source>
        <translation>Zusammenbaunummer in INPA finden: Taste Ident, eine Seite weiter</translation>
    </message>
    <message>
        <source>hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Or functional jobs, button UIF for all modules</source>
        <translation>Oder Funktionsjobs: Taste UIF für alle Module</translation>
    </message>
    <message>
        <source>Add to updateplan</source>
        <translation>In den Updateplan</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message>
        <source>&amp;Apply values of another trace…</source>
        <translation>&amp;Werte einer anderen Trace-Datei übernehmen…</translation>
    </message>
    <message>
        <source>Coding &amp;history…</source>
        <translation>Codier&amp;verlauf…</translation>
    </message>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
    <message>
        <source>Apply values of another trace</source>
        <translation>Werte einer anderen Trace-Datei übernehmen</translation>
    </message>
    <message>
        <source>Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*</source>
        <translation>Trace-Dateien (*.trc, *.man)|*.trc;*.man|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
%2</source>
        <translation>%1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>InstallLock</name>
    <message>
        <source>Another installation or restore is running. Try again when it has ended.</source>
        <translation>Eine andere Installation oder Wiederherstellung läuft. Bitte erneut versuchen, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>Another installation or restore is running: %1 (process %2 on %3). Try again when it has ended.</source>
        <translation>Eine andere Installation oder Wiederherstellung läuft: %1 (Prozess %2 auf %3). Bitte erneut versuchen, wenn sie beendet ist.</translation>
    </message>
</context>
<context>
    <name>InstallPanel</name>
    <message>
        <source>Restore an &amp;installation…</source>
        <translation>&amp;Installation rückgängig machen…</translation>
    </message>
</context>
<context>
    <name>InstallRuns</name>
    <message>
        <source>UPDATE READY</source>
        <translation>UPDATE FERTIG</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>Do you want to backup the existing files?</source>
        <translation>Sollen die vorhandenen Dateien gesichert werden?</translation>
    </message>
    <message>
        <source>Set your default folders.</source>
        <translation>Bitte die Standardordner einstellen.</translation>
    </message>
    <message>
        <source>%1 contains no folder %2.<byte value="xd"/>
Do you want to create this folder?</source>
        <translation>%1 enthält keinen Ordner %2.<byte value="xd"/>
Soll dieser Ordner angelegt werden?</translation>
    </message>
    <message>
        <source>Create %1</source>
        <translation>%1 anlegen</translation>
    </message>
    <message>
        <source>Restore record</source>
        <translation>Wiederherstellungsprotokoll</translation>
    </message>
    <message>
        <source>Update SP-daten ready [%1 files updated]</source>
        <translation>SP-Daten eingespielt [%1 Dateien aktualisiert]</translation>
    </message>
    <message>
        <source>Do you want to backup the existing assembly line?</source>
        <translation>Sollen die vorhandenen WinKFP-Daten gesichert werden?</translation>
    </message>
    <message>
        <source>Update WinKFP not possible.</source>
        <translation>WinKFP einspielen nicht möglich.</translation>
    </message>
    <message>
        <source>%1 is a symbolic link.<byte value="xd"/>
Update WinKFP not possible.</source>
        <translation>%1 ist eine symbolische Verknüpfung.<byte value="xd"/>
WinKFP einspielen nicht möglich.</translation>
    </message>
    <message>
        <source>Update WinKFP ready [%1 folders updated]</source>
        <translation>WinKFP eingespielt [%1 Ordner aktualisiert]</translation>
    </message>
    <message>
        <source>Select SP-daten source folder</source>
        <translation>Quellordner der SP-Daten wählen</translation>
    </message>
    <message>
        <source>%1 is not a valid SP-daten folder.</source>
        <translation>%1 ist kein gültiger SP-Daten-Ordner.</translation>
    </message>
    <message>
        <source>Select SP-daten folder first.</source>
        <translation>Zuerst den SP-Daten-Ordner wählen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Start NCS Expert</source>
        <translation>NCS Expert starten</translation>
    </message>
    <message>
        <source>Select Expert write profile</source>
        <translation>Expert-Profil zum Codieren wählen</translation>
    </message>
    <message>
        <source>Select chassis</source>
        <translation>Baureihe wählen</translation>
    </message>
    <message>
        <source>Select ecu</source>
        <translation>Steuergerät wählen</translation>
    </message>
    <message>
        <source>Close NETTODAT.TRC popup</source>
        <translation>Fenster NETTODAT.TRC schließen</translation>
    </message>
    <message>
        <source>Choose in here Load TRC-file</source>
        <translation>Hier „TRC-Datei laden“ wählen</translation>
    </message>
    <message>
        <source>Do you want to empty the MAN-file?</source>
        <translation>Soll die MAN-Datei geleert werden?</translation>
    </message>
    <message>
        <source>NCS coding</source>
        <translation>NCS-Codierung</translation>
    </message>
    <message>
        <source>Load TRC-file</source>
        <translation>TRC-Datei laden</translation>
    </message>
    <message>
        <source>Save MAN-file</source>
        <translation>MAN speichern</translation>
    </message>
    <message>
        <source>Open work</source>
        <translation>WORK öffnen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Show values</source>
        <translation>Werte zeigen</translation>
    </message>
    <message>
        <source>Chassis - Module</source>
        <translation>Baureihe/Modul</translation>
    </message>
    <message>
        <source>SP daten</source>
        <translation>SP-Daten</translation>
    </message>
    <message>
        <source>Select SP-source</source>
        <translation>SP-Quelle wählen</translation>
    </message>
    <message>
        <source>Update SP-daten</source>
        <translation>SP-Daten updaten</translation>
    </message>
    <message>
        <source>Update WinKFP</source>
        <translation>WinKFP updaten</translation>
    </message>
    <message>
        <source>Check ECU update</source>
        <translation>SG-Update prüfen</translation>
    </message>
    <message>
        <source>Show WinKFP</source>
        <translation>WinKFP zeigen</translation>
    </message>
    <message>
        <source>for NCS Expert</source>
        <translation>für NCS Expert</translation>
    </message>
    <message>
        <source>Default folder setttings</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source> Click for next picture </source>
        <translation> Klicken für das nächste Bild </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load non-default TRC-file</source>
        <translation>&amp;Andere TRC-Datei laden</translation>
    </message>
    <message>
        <source>&amp;Compare files</source>
        <translation>Dateien &amp;vergleichen</translation>
    </message>
    <message>
        <source>Select trace file &amp;1</source>
        <translation>Trace-Datei &amp;1 wählen</translation>
    </message>
    <message>
        <source>Select trace file &amp;2</source>
        <translation>Trace-Datei &amp;2 wählen</translation>
    </message>
    <message>
        <source>&amp;Export to text file</source>
        <translation>In &amp;Textdatei exportieren</translation>
    </message>
    <message>
        <source>Open &amp;Work folder</source>
        <translation>&amp;Ordner WORK öffnen</translation>
    </message>
    <message>
        <source>Open Coding &amp;log</source>
        <translation>&amp;Codierprotokoll öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Update plan</source>
        <translation>&amp;Updateplan öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Notepad</source>
        <translation>&amp;Editor öffnen</translation>
    </message>
    <message>
        <source>&amp;Save FSW_PSW.TRC</source>
        <translation>FSW_PSW.&amp;TRC sichern</translation>
    </message>
    <message>
        <source>Save FSW_PSW.&amp;MAN</source>
        <translation>FSW_PSW.&amp;MAN sichern</translation>
    </message>
    <message>
        <source>Em&amp;pty MAN-file</source>
        <translation>MAN-Datei &amp;leeren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Search &amp;next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Set default &amp;NCS Expert folder</source>
        <translation>Standardordner &amp;NCS Expert festlegen</translation>
    </message>
    <message>
        <source>Set default &amp;Ediabas folder</source>
        <translation>Standardordner &amp;Ediabas festlegen</translation>
    </message>
    <message>
        <source>Set default &amp;winKFP - NFS folder</source>
        <translation>Standardordner &amp;WinKFP - NFS festlegen</translation>
    </message>
    <message>
        <source>Show default &amp;folders</source>
        <translation>Standard&amp;ordner anzeigen</translation>
    </message>
    <message>
        <source>Set custom &amp;picture</source>
        <translation>Eigenes &amp;Bild wählen</translation>
    </message>
    <message>
        <source>&amp;Reset window size</source>
        <translation>&amp;Fenstergröße zurücksetzen</translation>
    </message>
    <message>
        <source>S&amp;ort list items</source>
        <translation>Liste sor&amp;tieren</translation>
    </message>
    <message>
        <source>Show NCS &amp;coding only</source>
        <translation>Nur NCS-&amp;Codierung zeigen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>ManipulationFile</name>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>FSW_PSW.MAN in WORK was not written for this trace (%1 of its %2 functions are not in it). NCS Expert would code it into this module. Empty it now?</source>
        <translation>FSW_PSW.MAN in WORK wurde nicht für diese Trace-Datei geschrieben (%1 ihrer %2 Funktionen fehlen in der Trace-Datei). NCS Expert würde sie in dieses Modul codieren. Jetzt leeren?</translation>
    </message>
    <message>
        <source>%1 emptied.</source>
        <translation>%1 geleert.</translation>
    </message>
</context>
<context>
    <name>MenuPanel</name>
    <message>
        <source>Quillon speaks the chosen language from its next start on.</source>
        <translation>Quillon spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
This file is not a picture that can be shown.</source>
        <translation>%1<byte value="xd"/>
Diese Datei ist kein Bild, das angezeigt werden kann.</translation>
    </message>
    <message>
        <source>Load TRC-file:</source>
        <translation>TRC-Datei laden:</translation>
    </message>
    <message>
        <source>[file loaded is ...\NCSEXPER\WORK\FSW_PSW.TRC]</source>
        <translation>[geladen wird ...\NCSEXPER\WORK\FSW_PSW.TRC]</translation>
    </message>
    <message>
        <source>Select the line with the value you want to change</source>
        <translation>Die Zeile mit dem Wert wählen, der geändert werden soll</translation>
    </message>
    <message>
        <source>--&gt; change the value in the popup screen</source>
        <translation>--&gt; den Wert im Fenster ändern</translation>
    </message>
    <message>
        <source>or choose Show values for all possible values and select one</source>
        <translation>oder „Werte zeigen“ für alle möglichen Werte wählen und einen auswählen</translation>
    </message>
    <message>
        <source>Save MAN-file:</source>
        <translation>MAN speichern:</translation>
    </message>
    <message>
        <source>[file saved as ...\NCSEXPER\WORK\FSW_PSW.MAN]</source>
        <translation>[gespeichert wird ...\NCSEXPER\WORK\FSW_PSW.MAN]</translation>
    </message>
    <message>
        <source>--&gt; enter a name for the backup of the trc and man-file</source>
        <translation>--&gt; einen Namen für die Sicherung der TRC- und MAN-Datei eingeben</translation>
    </message>
    <message>
        <source>Update SP-DATEN:</source>
        <translation>SP-Daten einspielen:</translation>
    </message>
    <message>
        <source>also update of files in ...\NCSEXPER\DATEN</source>
        <translation>außerdem werden Dateien in ...\NCSEXPER\DATEN aktualisiert</translation>
    </message>
    <message>
        <source>Update WINKFP:</source>
        <translation>WinKFP einspielen:</translation>
    </message>
    <message>
        <source>also update of SGIDC.AS2 in ...\EC-APPS\NFS\DATA\GDATEN</source>
        <translation>außerdem wird SGIDC.AS2 in ...\EC-APPS\NFS\DATA\GDATEN angepasst</translation>
    </message>
    <message>
        <source>backup&apos;s are saved as ...\name_date_time</source>
        <translation>Sicherungen werden als ...\Name_Datum_Uhrzeit gespeichert</translation>
    </message>
    <message>
        <source>Quillon - version %1</source>
        <translation>Quillon - Version %1</translation>
    </message>
</context>
<context>
    <name>ModuleExplanation</name>
    <message>
        <source>block %1, word %2, byte %3, %4 %5, mask %6</source>
        <translation>Block %1, Wort %2, Byte %3, %4 %5, Maske %6</translation>
    </message>
    <message>
        <source>byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>%1 is not a function of %2</source>
        <translation>%1 ist keine Funktion von %2</translation>
    </message>
    <message>
        <source>%1 is not a value of %2 in %3</source>
        <translation>%1 ist kein Wert von %2 in %3</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
NCS Expert would code what the module does not define. Save anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
NCS Expert würde codieren, was das Modul nicht definiert. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>ModuleRanking</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>%1 could not be searched: %2</source>
        <translation>%1 konnte nicht durchsucht werden: %2</translation>
    </message>
    <message>
        <source>%1 has every function of the trace and knows every current value.</source>
        <translation>%1 hat jede Funktion der Trace-Datei und kennt jeden aktuellen Wert.</translation>
    </message>
    <message>
        <source>Functions of the trace it does not have (%1): %2</source>
        <translation>Funktionen der Trace-Datei, die es nicht hat (%1): %2</translation>
    </message>
    <message>
        <source>Functions whose current value it does not know (%1): %2</source>
        <translation>Funktionen, deren aktuellen Wert es nicht kennt (%1): %2</translation>
    </message>
    <message>
        <source>no module data in the file</source>
        <translation>keine Moduldaten in der Datei</translation>
    </message>
    <message>
        <source>The trace holds no functions.</source>
        <translation>Die Trace-Datei enthält keine Funktionen.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ModuleStructure</name>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
    <message>
        <source>no block %1 with a keyword id and a keyword</source>
        <translation>kein Block %1 mit Schlüsselwort-ID und Schlüsselwort</translation>
    </message>
    <message>
        <source>no block %1: not a module file</source>
        <translation>kein Block %1: keine Moduldatei</translation>
    </message>
    <message>
        <source>the function or value rows have no keyword id (FSW, PSW)</source>
        <translation>die Funktions- oder Wertzeilen haben keine Schlüsselwort-ID (FSW, PSW)</translation>
    </message>
    <message>
        <source>field FSW is not a number</source>
        <translation>Feld FSW ist keine Zahl</translation>
    </message>
    <message>
        <source>value row before the first function</source>
        <translation>Wertzeile vor der ersten Funktion</translation>
    </message>
    <message>
        <source>field PSW is not a number</source>
        <translation>Feld PSW ist keine Zahl</translation>
    </message>
    <message>
        <source>continuation row without a value before it</source>
        <translation>Fortsetzungszeile ohne Wert davor</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|Trace files (*.trc, *.man)|*.trc;*.man|Text files (*.txt)|*.txt</source>
        <translation>Alle Dateien (*.*)|*.*|Trace-Dateien (*.trc, *.man)|*.trc;*.man|Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Open TRC-file</source>
        <translation>TRC-Datei öffnen</translation>
    </message>
    <message>
        <source>Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*</source>
        <translation>Trace-Dateien (*.trc, *.man)|*.trc;*.man|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select picture-file</source>
        <translation>Bilddatei wählen</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*</source>
        <translation>Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>PossibleValues</name>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
    <message>
        <source>Select chassis and module first.</source>
        <translation>Zuerst Baureihe und Modul wählen.</translation>
    </message>
    <message>
        <source>Not all parameters are found.<byte value="xd"/>
Select the right chassis and module.</source>
        <translation>Nicht alle Parameter gefunden.<byte value="xd"/>
Bitte die richtige Baureihe und das richtige Modul wählen.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>No text editor could be started.</source>
        <translation>Es konnte kein Texteditor gestartet werden.</translation>
    </message>
</context>
<context>
    <name>RestoreInstallation</name>
    <message>
        <source>Restore ready</source>
        <translation>Wiederherstellung fertig</translation>
    </message>
    <message>
        <source>RESTORE READY</source>
        <translation>WIEDERHERSTELLUNG FERTIG</translation>
    </message>
    <message>
        <source>Restore refused</source>
        <translation>Wiederherstellung abgelehnt</translation>
    </message>
    <message>
        <source>refused, nothing was changed:</source>
        <translation>abgelehnt, nichts wurde geändert:</translation>
    </message>
    <message>
        <source>RESTORE REFUSED</source>
        <translation>WIEDERHERSTELLUNG ABGELEHNT</translation>
    </message>
    <message>
        <source>This installation cannot be restored; nothing was changed.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Diese Installation kann nicht rückgängig gemacht werden; nichts wurde geändert.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>stopped: %1</source>
        <translation>abgebrochen: %1</translation>
    </message>
    <message>
        <source>RESTORE STOPPED</source>
        <translation>WIEDERHERSTELLUNG ABGEBROCHEN</translation>
    </message>
    <message>
        <source>The restore stopped:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Restore it again to carry on.</source>
        <translation>Die Wiederherstellung wurde abgebrochen:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Zum Fortsetzen erneut wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>RestoreRecord</name>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>%1: not a path inside its tool folder</source>
        <translation>%1: kein Pfad innerhalb seines Programmordners</translation>
    </message>
    <message>
        <source>%1: not inside the folders this installation changed</source>
        <translation>%1: nicht in den Ordnern, die diese Installation geändert hat</translation>
    </message>
    <message>
        <source>not a restore record</source>
        <translation>kein Wiederherstellungsprotokoll</translation>
    </message>
    <message>
        <source>was changed or damaged</source>
        <translation>wurde geändert oder beschädigt</translation>
    </message>
    <message>
        <source>the record names no installation</source>
        <translation>das Protokoll nennt keine Installation</translation>
    </message>
</context>
<context>
    <name>RestoreRun</name>
    <message>
        <source>%1: changed since the installation</source>
        <translation>%1: seit der Installation geändert</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1: the backup of %2 is missing</source>
        <translation>%1: die Sicherung von %2 fehlt</translation>
    </message>
    <message>
        <source>%1: the backup of %2 was changed</source>
        <translation>%1: die Sicherung von %2 wurde geändert</translation>
    </message>
    <message>
        <source>%1: a folder the record names is missing</source>
        <translation>%1: ein im Protokoll genannter Ordner fehlt</translation>
    </message>
    <message>
        <source>%1: a folder the record names now leads to %2</source>
        <translation>%1: ein im Protokoll genannter Ordner führt jetzt nach %2</translation>
    </message>
    <message>
        <source>line %1: %2: leads out of %3</source>
        <translation>Zeile %1: %2: führt aus %3 heraus</translation>
    </message>
    <message>
        <source>this installation was already restored</source>
        <translation>diese Installation wurde bereits rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1: in the way of %2</source>
        <translation>%1: steht %2 im Weg</translation>
    </message>
    <message>
        <source>%1: added after the installation</source>
        <translation>%1: nach der Installation hinzugekommen</translation>
    </message>
    <message>
        <source>remove --&gt; </source>
        <translation>entfernen --&gt; </translation>
    </message>
    <message>
        <source>move back --&gt; </source>
        <translation>zurückverschieben --&gt; </translation>
    </message>
    <message>
        <source>delete leftover --&gt; </source>
        <translation>Rest löschen --&gt; </translation>
    </message>
    <message>
        <source>keep, not empty --&gt; </source>
        <translation>behalten, nicht leer --&gt; </translation>
    </message>
    <message>
        <source>left there --&gt; </source>
        <translation>dort belassen --&gt; </translation>
    </message>
    <message>
        <source>remove folder --&gt; </source>
        <translation>Ordner entfernen --&gt; </translation>
    </message>
    <message>
        <source>keep backup --&gt; </source>
        <translation>Sicherung behalten --&gt; </translation>
    </message>
    <message>
        <source>delete backup --&gt; </source>
        <translation>Sicherung löschen --&gt; </translation>
    </message>
    <message>
        <source>restore --&gt; </source>
        <translation>wiederherstellen --&gt; </translation>
    </message>
    <message>
        <source>%1: the backup of %2 was changed; it did not replace anything</source>
        <translation>%1: die Sicherung von %2 wurde geändert; sie hat nichts ersetzt</translation>
    </message>
    <message>
        <source>Update SP-daten</source>
        <translation>SP-Daten updaten</translation>
    </message>
    <message>
        <source>Update WinKFP</source>
        <translation>WinKFP updaten</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 folders updated</source>
        <translation>%1 Ordner aktualisiert</translation>
    </message>
    <message>
        <source>%1 files updated</source>
        <translation>%1 Dateien aktualisiert</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>already restored</source>
        <translation>bereits rückgängig gemacht</translation>
    </message>
    <message>
        <source>stopped before it ended</source>
        <translation>vor dem Ende abgebrochen</translation>
    </message>
    <message>
        <source>restorable</source>
        <translation>wiederherstellbar</translation>
    </message>
    <message>
        <source><byte value="xd"/>
… and %1 more</source>
        <translation><byte value="xd"/>
… und %1 weitere</translation>
    </message>
    <message>
        <source>Check %1</source>
        <translation>Prüfe %1</translation>
    </message>
    <message>
        <source>the installation stopped before it ended; its record can be restored as far as it goes, as a stopped run</source>
        <translation>die Installation wurde vor ihrem Ende abgebrochen; ihr Protokoll kann als abgebrochener Lauf so weit wie möglich rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Wiederherstellung %1</translation>
    </message>
</context>
<context>
    <name>SaveFileAs</name>
    <message>
        <source>Save TXT-file as</source>
        <translation>TXT-Datei speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files (*.*)|*.*</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Save %1-file as</source>
        <translation>%1-Datei speichern unter</translation>
    </message>
    <message>
        <source>Trace files (*.trc, *.man)|*.trc;*.man|All files (*.*)|*.*</source>
        <translation>Trace-Dateien (*.trc, *.man)|*.trc;*.man|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SaveManipulationFile</name>
    <message>
        <source>Already saved MAN-file.</source>
        <translation>Die MAN-Datei ist schon gespeichert.</translation>
    </message>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
    <message>
        <source>There is nothing changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Errors found in list.<byte value="xd"/>
Select the right chassis and module.</source>
        <translation>Fehler in der Liste gefunden.<byte value="xd"/>
Bitte die richtige Baureihe und das richtige Modul wählen.</translation>
    </message>
    <message>
        <source>Do you want to backup the MAN-file?</source>
        <translation>Soll die MAN-Datei gesichert werden?</translation>
    </message>
    <message>
        <source>MAN-file is saved.<byte value="xd"/>
Do you want to backup the TRC-file?</source>
        <translation>Die MAN-Datei ist gespeichert.<byte value="xd"/>
Soll die TRC-Datei gesichert werden?</translation>
    </message>
    <message>
        <source>MAN-file is saved.<byte value="xd"/>
%1</source>
        <translation>Die MAN-Datei ist gespeichert.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The translation could not be switched off.<byte value="xd"/>
The MAN-file is not written.</source>
        <translation>Die Übersetzung konnte nicht ausgeschaltet werden.<byte value="xd"/>
Die MAN-Datei wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>Items in list do not match with TRC-file.<byte value="xd"/>
Check and run again.</source>
        <translation>Die Einträge der Liste passen nicht zur TRC-Datei.<byte value="xd"/>
Bitte prüfen und erneut ausführen.</translation>
    </message>
    <message>
        <source>MAN-file is saved, but the coding history could not keep it:<byte value="xd"/>
%1</source>
        <translation>Die MAN-Datei ist gespeichert, aber der Codierverlauf konnte sie nicht aufnehmen:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>SaveSummary</name>
    <message>
        <source>Go back to NCS Expert</source>
        <translation>Zurück zu NCS Expert</translation>
    </message>
    <message>
        <source>Select SG_CODIEREN</source>
        <translation>SG_CODIEREN wählen</translation>
    </message>
    <message>
        <source>Check in the middle or JOBNAME is SG_CODIEREN</source>
        <translation>In der Mitte prüfen, ob JOBNAME SG_CODIEREN ist</translation>
    </message>
</context>
<context>
    <name>SearchPanel</name>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SgidcFile</name>
    <message>
        <source>Edit file %1</source>
        <translation>Datei %1 bearbeiten</translation>
    </message>
    <message>
        <source>edit --&gt; </source>
        <translation>bearbeiten --&gt; </translation>
    </message>
    <message>
        <source>NOT FOUND --&gt; </source>
        <translation>NICHT GEFUNDEN --&gt; </translation>
    </message>
</context>
<context>
    <name>ToolFolders</name>
    <message>
        <source>Select default NCSEXPER folder</source>
        <translation>Standardordner NCSEXPER wählen</translation>
    </message>
    <message>
        <source> is not a valid NCSEXPER folder.</source>
        <translation> ist kein gültiger NCSEXPER-Ordner.</translation>
    </message>
    <message>
        <source>Select default EDIABAS folder</source>
        <translation>Standardordner EDIABAS wählen</translation>
    </message>
    <message>
        <source> is not a valid EDIABAS folder.</source>
        <translation> ist kein gültiger EDIABAS-Ordner.</translation>
    </message>
    <message>
        <source>Select default EC-APPS\NFS folder</source>
        <translation>Standardordner EC-APPS\NFS wählen</translation>
    </message>
    <message>
        <source> is not a valid EC-APPS\NFS folder.</source>
        <translation> ist kein gültiger EC-APPS\NFS-Ordner.</translation>
    </message>
</context>
<context>
    <name>TraceChecksPanel</name>
    <message>
        <source>&amp;Find module for this trace...</source>
        <translation>Passendes &amp;Modul finden...</translation>
    </message>
    <message>
        <source>&amp;Translation report...</source>
        <translation>Übersetzungs&amp;bericht...</translation>
    </message>
    <message>
        <source>Load TRC-file and choose a chassis first.</source>
        <translation>Zuerst TRC-Datei laden und eine Baureihe wählen.</translation>
    </message>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
</context>
<context>
    <name>TraceCompare</name>
    <message>
        <source>More than %1 differences: the count overflows.</source>
        <translation>Mehr als %1 Unterschiede: die Zählung läuft über.</translation>
    </message>
    <message>
        <source>Line %1 differs, and there is no function line above it.</source>
        <translation>Zeile %1 unterscheidet sich, und darüber steht keine Funktionszeile.</translation>
    </message>
</context>
<context>
    <name>TraceFile</name>
    <message>
        <source>Line %1: this function occurs twice in the trace file:<byte value="xd"/>
%2</source>
        <translation>Zeile %1: Diese Funktion kommt in der Trace-Datei zweimal vor:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Line %1: a value line comes before the first function line.</source>
        <translation>Zeile %1: Eine Wertzeile steht vor der ersten Funktionszeile.</translation>
    </message>
    <message>
        <source>Line %1 holds control characters: this file is not an NCS Expert trace.</source>
        <translation>Zeile %1 enthält Steuerzeichen: Diese Datei ist keine Trace-Datei von NCS Expert.</translation>
    </message>
    <message>
        <source>%1 not found.<byte value="xd"/>
Set your default folders.</source>
        <translation>%1 nicht gefunden.<byte value="xd"/>
Bitte die Standardordner einstellen.</translation>
    </message>
</context>
<context>
    <name>TraceTree</name>
    <message>
        <source>Key is not unique in collection: %1</source>
        <translation>Schlüssel ist in der Sammlung nicht eindeutig: %1</translation>
    </message>
    <message>
        <source>Element not found</source>
        <translation>Element nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>Load TRC-file first.</source>
        <translation>Zuerst TRC-Datei laden.</translation>
    </message>
    <message>
        <source>%1 not found.</source>
        <translation>%1 nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>TranslationCoverage</name>
    <message>
        <source>functions: %1 of %2 translated</source>
        <translation>Funktionen: %1 von %2 übersetzt</translation>
    </message>
    <message>
        <source>values: %1 of %2 translated</source>
        <translation>Werte: %1 von %2 übersetzt</translation>
    </message>
    <message>
        <source>this is the translation table itself</source>
        <translation>das ist die Übersetzungstabelle selbst</translation>
    </message>
</context>
<context>
    <name>TreeSearch</name>
    <message>
        <source>Node %1 no longer exists in the tree.</source>
        <translation>Knoten %1 gibt es im Baum nicht mehr.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search - not found %1</source>
        <translation>Suchen - nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>%1 not found.<byte value="xd"/>
Set your default folders.</source>
        <translation>%1 nicht gefunden.<byte value="xd"/>
Bitte die Standardordner einstellen.</translation>
    </message>
    <message>
        <source>Found in ECU family %1</source>
        <translation>Gefunden in SG-Familie %1</translation>
    </message>
    <message>
        <source>Nothing found...</source>
        <translation>Nichts gefunden...</translation>
    </message>
    <message>
        <source>Hardware nr: %1</source>
        <translation>Hardware-Nr.: %1</translation>
    </message>
    <message>
        <source>Assembly number must be 7 digit</source>
        <translation>Die Zusammenbaunummer muss 7 Stellen haben</translation>
    </message>
    <message>
        <source>Check assembly line data</source>
        <translation>WinKFP-Daten prüfen</translation>
    </message>
    <message>
        <source>No update available</source>
        <translation>Kein Update verfügbar</translation>
    </message>
    <message>
        <source>Update available --&gt; %1</source>
        <translation>Update verfügbar --&gt; %1</translation>
    </message>
</context>
<context>
    <name>WinKfpGuide</name>
    <message>
        <source>Find assembly number in INPA, button Ident, page down</source>
        <translation>Zusammenbaunummer in INPA finden: Taste Ident, eine Seite weiter</translation>
    </message>
    <message>
        <source>Close INPA en EDIABAS</source>
        <translation>INPA und EDIABAS schließen</translation>
    </message>
    <message>
        <source>Start WinKFP</source>
        <translation>WinKFP starten</translation>
    </message>
    <message>
        <source>Enter the assembly number and remember ECU family</source>
        <translation>Zusammenbaunummer eingeben und SG-Familie merken</translation>
    </message>
    <message>
        <source>Select ECU family</source>
        <translation>SG-Familie wählen</translation>
    </message>
    <message>
        <source>Enter the full VIN number</source>
        <translation>Vollständige Fahrgestellnummer (VIN) eingeben</translation>
    </message>
    <message>
        <source>Show WinKFP</source>
        <translation>WinKFP zeigen</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Bild zeigen</translation>
    </message>
</context>
</TS>
