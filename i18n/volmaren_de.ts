<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Volmaren</source>
        <translation>Über Volmaren</translation>
    </message>
    <message>
        <source>Volmaren Version 1.3</source>
        <translation>Volmaren Version 1.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChannelAddDlg</name>
    <message>
        <source>Channel Add</source>
        <translation>Kanal hinzufügen</translation>
    </message>
</context>
<context>
    <name>CChannelCommands</name>
    <message>
        <source>Please choose the channel</source>
        <translation>Bitte wählen Sie einen Kanal</translation>
    </message>
    <message>
        <source>Add TV-Channel</source>
        <translation>TV-Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Add Radio-Channel</source>
        <translation>Radiokanal hinzufügen</translation>
    </message>
    <message>
        <source>Delete TV-Channel</source>
        <translation>TV-Kanal löschen</translation>
    </message>
    <message>
        <source>Delete Radio-Channel</source>
        <translation>Radiokanal löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Edit Selected Channels...</source>
        <translation>Ausgewählte Kanäle bearbeiten...</translation>
    </message>
    <message>
        <source>Sort Channels...</source>
        <translation>Kanäle sortieren...</translation>
    </message>
    <message>
        <source>Please choose the Satellite and Transponder for channel ADD</source>
        <translation>Bitte wählen Sie Satellit und Transponder für den neuen Kanal</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Please choose only one Channel</source>
        <translation>Bitte wählen Sie nur einen Kanal</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>There is not Selected Channel.</source>
        <translation>Es ist kein Kanal ausgewählt.</translation>
    </message>
    <message>
        <source>Do you want to delete channel(s)?</source>
        <translation>Möchten Sie die Kanäle löschen?</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>Kanal nach oben</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal nach unten</translation>
    </message>
    <message>
        <source>Paste Channels</source>
        <translation>Kanäle einfügen</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>Kanäle verschieben</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>Kanäle bearbeiten</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Channel Edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
</context>
<context>
    <name>CChannelFlagsDlg</name>
    <message>
        <source>(unchanged)</source>
        <translation>(unverändert)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n Channels</source>
        <translation>
            <numerusform>%n Kanal bearbeiten</numerusform>
            <numerusform>%n Kanäle bearbeiten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Sperre</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>Favorite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
</context>
<context>
    <name>CCompareCommands</name>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>%1 as saved</source>
        <extracomment>The file on disk, beside the same file&apos;s unsaved data.</extracomment>
        <translation>%1 wie gespeichert</translation>
    </message>
</context>
<context>
    <name>CCompareWindow</name>
    <message>
        <source>Name, value or kind of change</source>
        <translation>Name, Wert oder Art der Änderung</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;Take From Other</source>
        <translation>Vom anderen &amp;übernehmen</translation>
    </message>
    <message>
        <source>Makes the selected rows of ours as the other side has them (Enter)</source>
        <translation>Macht die gewählten Zeilen bei uns so, wie die andere Seite sie hat (Eingabetaste)</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>&amp;Alle übernehmen</translation>
    </message>
    <message>
        <source>Makes the channel lists, groups, transponders and satellites as the other side has them; the system settings stay as they are</source>
        <translation>Macht die Kanallisten, Gruppen, Transponder und Satelliten so, wie die andere Seite sie hat; die Systemeinstellungen bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>this document</source>
        <translation>dieses Dokument</translation>
    </message>
    <message>
        <source>Compare %1 With %2</source>
        <translation>%1 mit %2 vergleichen</translation>
    </message>
    <message>
        <source>No image is open.</source>
        <translation>Kein Abbild ist geöffnet.</translation>
    </message>
    <message>
        <source>No differences: the two are the same.</source>
        <translation>Keine Unterschiede: beide sind gleich.</translation>
    </message>
    <message>
        <source>Differences: %1</source>
        <translation>Unterschiede: %1</translation>
    </message>
    <message>
        <source>Differences shown: %1 of %2</source>
        <translation>Angezeigte Unterschiede: %1 von %2</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Unsere</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Die andere</translation>
    </message>
    <message>
        <source>Take From Other</source>
        <translation>Vom anderen übernehmen</translation>
    </message>
    <message>
        <source>Take All</source>
        <translation>Alle übernehmen</translation>
    </message>
    <message>
        <source>%1

Nothing was changed.</source>
        <translation>%1

Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CConnectDlg</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Select Port</source>
        <translation>Anschluss wählen</translation>
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
    <name>CDifferenceModel</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The channel&apos;s position in its list.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Unsere</translation>
    </message>
    <message>
        <source>Ours: %1</source>
        <translation>Unsere: %1</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Die andere</translation>
    </message>
    <message>
        <source>Theirs: %1</source>
        <translation>Die andere: %1</translation>
    </message>
</context>
<context>
    <name>CEditDialog</name>
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
    <name>CFavoriteGroupDlg</name>
    <message>
        <source>Favorite Group Edit</source>
        <translation>Favoritengruppen bearbeiten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>TV Channel   </source>
        <translation>TV-Kanäle   </translation>
    </message>
    <message>
        <source>Radio Channel</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All the 8 favorite groups have been used</source>
        <translation>Alle 8 Favoritengruppen sind belegt</translation>
    </message>
    <message>
        <source>No group exist, or No group has been selected</source>
        <translation>Es gibt keine Gruppe, oder keine Gruppe ist ausgewählt</translation>
    </message>
    <message>
        <source>There is no tv-channel</source>
        <translation>Es gibt keinen TV-Kanal</translation>
    </message>
    <message>
        <source>There is no radio-channel</source>
        <translation>Es gibt keinen Radiokanal</translation>
    </message>
    <message>
        <source>Do you want to delete the current group?</source>
        <translation>Möchten Sie die aktuelle Gruppe löschen?</translation>
    </message>
    <message>
        <source>The edited data has not been saved.  Do you want to execute the window ?</source>
        <translation>Die Änderungen wurden nicht übernommen. Möchten Sie das Fenster trotzdem schließen?</translation>
    </message>
</context>
<context>
    <name>CGroupAddDlg</name>
    <message>
        <source>Group Add</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Group name don&apos;t input.</source>
        <translation>Kein Gruppenname eingegeben.</translation>
    </message>
</context>
<context>
    <name>CGroupCommand</name>
    <message>
        <source>Favorite Group Edit</source>
        <translation>Favoritengruppen bearbeiten</translation>
    </message>
</context>
<context>
    <name>CGroupEditDlg</name>
    <message>
        <source>Group Edit</source>
        <translation>Gruppe bearbeiten</translation>
    </message>
    <message>
        <source>Group name is empty.</source>
        <translation>Der Gruppenname ist leer.</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Receiver &amp;History...</source>
        <translation>Empfänger-&amp;Historie...</translation>
    </message>
    <message>
        <source>Download and &amp;Verify</source>
        <translation>Senden und ü&amp;berprüfen</translation>
    </message>
    <message>
        <source>Keep Receiver &amp;History</source>
        <translation>Empfänger-&amp;Historie führen</translation>
    </message>
    <message>
        <source>receiver %1</source>
        <extracomment>Names an image of the receiver history in the compare window; %1 is when it was read.</extracomment>
        <translation>Empfänger %1</translation>
    </message>
</context>
<context>
    <name>CHoverButton</name>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fav-Group</source>
        <translation>Fav-Gruppe</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal runter</translation>
    </message>
    <message>
        <source>Channel UP</source>
        <translation>Kanal hoch</translation>
    </message>
    <message>
        <source>DOWNLOAD (PC -&gt; STB)</source>
        <extracomment>Writes the image into the receiver. A bracketed part may go on a second line.</extracomment>
        <translation>SENDEN (PC -&gt; STB)</translation>
    </message>
    <message>
        <source>UPLOAD (STB -&gt; PC)</source>
        <extracomment>Reads the image from the receiver. A bracketed part may go on a second line.</extracomment>
        <translation>EMPFANGEN (STB -&gt; PC)</translation>
    </message>
</context>
<context>
    <name>CListCommands</name>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Export Channels: %1</source>
        <translation>Kanäle exportieren: %1</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Rows of the list that name no channel: %1. Of them %2 can be added to the channels of their transponder.

Add them?</source>
        <translation>Zeilen der Liste, die keinen Kanal bezeichnen: %1. Davon können %2 zu den Kanälen ihres Transponders hinzugefügt werden.

Hinzufügen?</translation>
    </message>
    <message>
        <source>Matched: %1
Moved: %2
Renamed: %3
Unmatched: %4
Added: %5</source>
        <translation>Zugeordnet: %1
Verschoben: %2
Umbenannt: %3
Ohne Zuordnung: %4
Hinzugefügt: %5</translation>
    </message>
    <message>
        <source>The channels already were as the list has them: nothing changed.</source>
        <translation>Die Kanäle waren bereits so wie in der Liste: Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Reihenfolge übernehmen von</translation>
    </message>
    <message>
        <source>Matched: %1
Moved: %2
Reference rows that name no channel: %3
Channels not in the reference (they follow in their order): %4</source>
        <translation>Zugeordnet: %1
Verschoben: %2
Zeilen der Vorlage, die keinen Kanal bezeichnen: %3
Kanäle, die nicht in der Vorlage stehen (sie folgen in ihrer Reihenfolge): %4</translation>
    </message>
    <message>
        <source>Groups created: %1</source>
        <translation>Angelegte Gruppen: %1</translation>
    </message>
    <message>
        <source>Groups without a free slot (their members stay out of them): %1</source>
        <translation>Gruppen ohne freien Platz (ihre Mitglieder bleiben außerhalb): %1</translation>
    </message>
    <message>
        <source>Reference rows that name no channel:</source>
        <translation>Zeilen der Vorlage, die keinen Kanal bezeichnen:</translation>
    </message>
    <message>
        <source>Channels not in the reference:</source>
        <translation>Kanäle, die nicht in der Vorlage stehen:</translation>
    </message>
    <message>
        <source>The channels already are in this order: nothing would change.</source>
        <translation>Die Kanäle sind bereits in dieser Reihenfolge: Nichts würde sich ändern.</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The image is consistent: the check found nothing to repair.</source>
        <translation>Das Abbild ist stimmig: Die Prüfung fand nichts zu reparieren.</translation>
    </message>
    <message>
        <source>Inconsistencies found: %1.

Repair removes dangling records and later duplicates, ends every name within its field, drops the members of unnamed groups and recomputes the counts and positions. Undo takes the repair back.</source>
        <translation>Gefundene Unstimmigkeiten: %1.

Die Reparatur entfernt verwaiste Einträge und spätere Duplikate, beendet jeden Namen innerhalb seines Feldes, entfernt die Mitglieder namenloser Gruppen und berechnet Anzahlen und Positionen neu. „Rückgängig“ nimmt die Reparatur zurück.</translation>
    </message>
    <message>
        <source>Check Image</source>
        <translation>Abbild prüfen</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Repair Image</source>
        <translation>Abbild reparieren</translation>
    </message>
    <message>
        <source>CSV (comma) (*.csv)</source>
        <translation>CSV (Komma) (*.csv)</translation>
    </message>
    <message>
        <source>CSV (semicolon) (*.csv)</source>
        <translation>CSV (Semikolon) (*.csv)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>STB System &amp;Infomation</source>
        <translation>STB-System&amp;informationen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>T&amp;ransfer</source>
        <translation>Über&amp;tragung</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Upload     [STB-&gt;PC]</source>
        <translation>&amp;Empfangen     [STB-&gt;PC]</translation>
    </message>
    <message>
        <source>&amp;Download [PC-&gt;STB]</source>
        <translation>&amp;Senden [PC-&gt;STB]</translation>
    </message>
    <message>
        <source>Save Traffic &amp;Log...</source>
        <translation>Übertragungs&amp;protokoll speichern...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Volmaren...</source>
        <translation>Ü&amp;ber Volmaren...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>Rüc&amp;kgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Cu&amp;t Channels</source>
        <translation>Kanäle a&amp;usschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste Channels</source>
        <translation>Kanäle &amp;einfügen</translation>
    </message>
    <message>
        <source>Channel &amp;Up</source>
        <translation>Kanal nach &amp;oben</translation>
    </message>
    <message>
        <source>Channel D&amp;own</source>
        <translation>Kanal nach u&amp;nten</translation>
    </message>
    <message>
        <source>Edit Selected &amp;Channels...</source>
        <translation>&amp;Ausgewählte Kanäle bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Sort Channels...</source>
        <translation>Kanäle so&amp;rtieren...</translation>
    </message>
    <message>
        <source>U&amp;ndo %1</source>
        <translation>Rüc&amp;kgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>Kanäle &amp;exportieren...</translation>
    </message>
    <message>
        <source>I&amp;mport Channels...</source>
        <translation>Kanäle i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Apply O&amp;rder From...</source>
        <translation>&amp;Reihenfolge übernehmen von...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Check Image...</source>
        <translation>Abbild &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Print Channel List...</source>
        <translation>Kanalliste &amp;drucken...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Update Transponders...</source>
        <translation>&amp;Transponder aktualisieren...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Compare With Sa&amp;ved</source>
        <translation>Mit &amp;Gespeichertem vergleichen</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Print Channel List</source>
        <translation>Kanalliste drucken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Export PDF: %1: %2</source>
        <translation>PDF exportieren: %1: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CPrintOptionsDlg</name>
    <message>
        <source>Only the &amp;radio list</source>
        <translation>Nur die &amp;Radioliste</translation>
    </message>
    <message>
        <source>Only the &amp;TV list</source>
        <translation>Nur die &amp;TV-Liste</translation>
    </message>
    <message>
        <source>One section per favourite &amp;group</source>
        <translation>Ein Abschnitt je &amp;Favoritengruppe</translation>
    </message>
    <message>
        <source>The TV list, then the radio &amp;list</source>
        <translation>Die TV-Liste, dann die Radio&amp;liste</translation>
    </message>
</context>
<context>
    <name>CReceiverHistoryDlg</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Compare With Document</source>
        <translation>Mit &amp;Dokument vergleichen</translation>
    </message>
    <message>
        <source>Receiver History</source>
        <translation>Empfänger-Historie</translation>
    </message>
    <message>
        <source>No image has been read from the receiver yet. Each upload is kept here.</source>
        <translation>Es wurde noch kein Abbild vom Empfänger gelesen. Jeder Empfang wird hier aufbewahrt.</translation>
    </message>
    <message>
        <source>The images read from the receiver, newest first. The last %1 are kept.</source>
        <translation>Die vom Empfänger gelesenen Abbilder, das neueste zuerst. Die letzten %1 werden aufbewahrt.</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Gelesen am</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>small (1)</source>
        <translation>klein (1)</translation>
    </message>
    <message>
        <source>large (2)</source>
        <translation>groß (2)</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
</context>
<context>
    <name>CRecoveryOffer</name>
    <message>
        <source>Volmaren was not closed properly. The unsaved changes to %1 from %2 can be recovered.</source>
        <translation>Volmaren wurde nicht richtig beendet. Die ungespeicherten Änderungen an %1 vom %2 können wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The last change: %1</source>
        <translation>Die letzte Änderung: %1</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 from %2 will be lost. Discard them?</source>
        <translation>Die ungespeicherten Änderungen an %1 vom %2 gehen verloren. Verwerfen?</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged and cannot be recovered. Delete it?</source>
        <translation>Die Wiederherstellungsdatei %1 ist beschädigt und kann nicht wiederhergestellt werden. Löschen?</translation>
    </message>
    <message>
        <source>a new image</source>
        <translation>einem neuen Abbild</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Ver&amp;gleichen</translation>
    </message>
    <message>
        <source>recovered from %1</source>
        <translation>wiederhergestellt vom %1</translation>
    </message>
</context>
<context>
    <name>CSatelliteAddDlg</name>
    <message>
        <source>Satellite Add</source>
        <translation>Satellit hinzufügen</translation>
    </message>
</context>
<context>
    <name>CSatelliteCommands</name>
    <message>
        <source>No Satellite has been selected, or Satellite does not exist</source>
        <translation>Es ist kein Satellit ausgewählt, oder der Satellit existiert nicht</translation>
    </message>
    <message>
        <source>Please choose only one Satellite</source>
        <translation>Bitte wählen Sie nur einen Satelliten</translation>
    </message>
    <message>
        <source>Please choose the Satellite</source>
        <translation>Bitte wählen Sie einen Satelliten</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Do you want to delete the current Satellite(s)?</source>
        <translation>Möchten Sie die ausgewählten Satelliten löschen?</translation>
    </message>
</context>
<context>
    <name>CSatelliteEditDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Satellit bearbeiten</translation>
    </message>
</context>
<context>
    <name>CSortChannelsDlg</name>
    <message>
        <source>&amp;Descending</source>
        <translation>Ab&amp;steigend</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Transponder frequency</source>
        <translation>Transponderfrequenz</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Free-to-air first</source>
        <translation>Unverschlüsselte zuerst</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Aufsteigend</translation>
    </message>
    <message>
        <source>Sort &amp;by</source>
        <translation>Sortieren &amp;nach</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message numerus="yes">
        <source>The %n channels the list shows are sorted; equal ones keep their order, and the rest of the table stays as it is.</source>
        <translation>
            <numerusform>Der %n Kanal, den die Liste zeigt, wird sortiert; gleiche behalten ihre Reihenfolge, und der Rest der Tabelle bleibt, wie er ist.</numerusform>
            <numerusform>Die %n Kanäle, die die Liste zeigt, werden sortiert; gleiche behalten ihre Reihenfolge, und der Rest der Tabelle bleibt, wie er ist.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSystemInfoDlg</name>
    <message>
        <source>System Information Edit</source>
        <translation>Systeminformationen bearbeiten</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Display Color type</source>
        <translation>Anzeigefarbe</translation>
    </message>
    <message>
        <source>Text Color Type</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>This will lost change data. Do you confirm ?</source>
        <translation>Die Änderungen gehen verloren. Fortfahren?</translation>
    </message>
</context>
<context>
    <name>CTransferPanel</name>
    <message>
        <source>Upload &amp;&amp; Download </source>
        <translation>Empfangen &amp;&amp; Senden </translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>UPLOAD (STB -&gt; PC)</source>
        <translation>EMPFANGEN (STB -&gt; PC)</translation>
    </message>
    <message>
        <source>DOWNLOAD (PC -&gt; STB)</source>
        <translation>SENDEN (PC -&gt; STB)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
</context>
<context>
    <name>CTransponderAddDlg</name>
    <message>
        <source>Transponder Add</source>
        <translation>Transponder hinzufügen</translation>
    </message>
</context>
<context>
    <name>CTransponderCommands</name>
    <message>
        <source>Please choose the Transponder</source>
        <translation>Bitte wählen Sie einen Transponder</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Please choose the Satellite</source>
        <translation>Bitte wählen Sie einen Satelliten</translation>
    </message>
    <message>
        <source>Please choose only one Satellite</source>
        <translation>Bitte wählen Sie nur einen Satelliten</translation>
    </message>
    <message>
        <source>Please choose only one Transponder</source>
        <translation>Bitte wählen Sie nur einen Transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Do you want to delete the current Transponder(s)?</source>
        <translation>Möchten Sie die ausgewählten Transponder löschen?</translation>
    </message>
</context>
<context>
    <name>CTransponderEditDlg</name>
    <message>
        <source>Transponder Edit</source>
        <translation>Transponder bearbeiten</translation>
    </message>
</context>
<context>
    <name>CTransponderUpdateCommand</name>
    <message>
        <source>Update Transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>The transponders already are as the checked rows have them: nothing was changed.</source>
        <translation>Die Transponder sind schon so, wie die angehakten Zeilen sie haben: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is larger than any transponder list (%2 MiB).</source>
        <translation>%1 ist größer als jede Transponderliste (%2 MiB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3

Nothing was changed.</source>
        <translation>%1, Zeile %2: %3

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 holds no satellite.</source>
        <translation>%1 enthält keinen Satelliten.</translation>
    </message>
</context>
<context>
    <name>CTransponderUpdateDlg</name>
    <message>
        <source>%1 (transponders: %2)</source>
        <translation>%1 (Transponder: %2)</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Not in list</source>
        <translation>Nicht in der Liste</translation>
    </message>
    <message>
        <source>Skipped: DVB-S2</source>
        <translation>Übergangen: DVB-S2</translation>
    </message>
    <message>
        <source>Skipped: not storable</source>
        <translation>Übergangen: nicht speicherbar</translation>
    </message>
    <message>
        <source>Checked, it is deleted with its channels.</source>
        <translation>Angehakt wird er mit seinen Kanälen gelöscht.</translation>
    </message>
    <message>
        <source>Include DVB-S&amp;2 transponders</source>
        <translation>DVB-S&amp;2-Transponder einbeziehen</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(auswählen)</translation>
    </message>
    <message>
        <source>The receiver&apos;s records carry no delivery system: a DVB-S2 transponder is stored as any other.</source>
        <translation>Die Datensätze des Receivers kennen kein Übertragungssystem: Ein DVB-S2-Transponder wird wie jeder andere gespeichert.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>&amp;Source satellite</source>
        <translation>&amp;Quellsatellit</translation>
    </message>
    <message>
        <source>&amp;Our satellite</source>
        <translation>&amp;Unser Satellit</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Symbolrate (kS/s)</translation>
    </message>
    <message>
        <source>Channels deleted with it</source>
        <translation>Damit gelöschte Kanäle</translation>
    </message>
    <message>
        <source>&amp;Transponders: the checked rows are applied (Space checks or unchecks)</source>
        <translation>&amp;Transponder: Die angehakten Zeilen werden übernommen (die Leertaste hakt an oder ab)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>New Satellite &quot;%1&quot;</source>
        <translation>Neuer Satellit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No name of ours gives the position %1: choose our satellite, or a new one.</source>
        <translation>Keiner unserer Namen nennt die Position %1: Wählen Sie unseren Satelliten oder einen neuen.</translation>
    </message>
    <message>
        <source>The list gives no position for this satellite: choose ours, or a new one.</source>
        <translation>Die Liste nennt für diesen Satelliten keine Position: Wählen Sie unseren oder einen neuen.</translation>
    </message>
    <message>
        <source>Checked: %1 to add, %2 to update, %3 to delete with %4 channels. Unchanged: %5, not in the list: %6, skipped: %7.</source>
        <translation>Angehakt: %1 hinzuzufügen, %2 zu aktualisieren, %3 mit %4 Kanälen zu löschen. Unverändert: %5, nicht in der Liste: %6, übergangen: %7.</translation>
    </message>
    <message>
        <source>Uncheck rows to add, or check rows not in the list to delete them with their channels.</source>
        <translation>Haken Sie hinzuzufügende Zeilen ab, oder haken Sie Zeilen an, die nicht in der Liste sind, um sie mit ihren Kanälen zu löschen.</translation>
    </message>
    <message>
        <source>Transponders not in the list to delete: %1
Channels deleted with them: %2</source>
        <translation>Zu löschende Transponder, die nicht in der Liste sind: %1
Damit gelöschte Kanäle: %2</translation>
    </message>
    <message>
        <source>&amp;Delete and Apply</source>
        <translation>&amp;Löschen und übernehmen</translation>
    </message>
</context>
<context>
    <name>CVolmarenDoc</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CVolmarenView</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Favorite Group &amp;&amp; System Edit</source>
        <translation>Favoritengruppen &amp;&amp; System</translation>
    </message>
    <message>
        <source>Fav-Group</source>
        <translation>Fav-Gruppe</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Channel UP</source>
        <translation>Kanal hoch</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal runter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>TV Channel</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <source>Radio Channel</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>ChannelCheckModel</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Trasnponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
</context>
<context>
    <name>ChannelForm</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschlüsselung</translation>
    </message>
</context>
<context>
    <name>ChannelListFile</name>
    <message>
        <source>%1 is larger than any channel list (%2 MiB).</source>
        <translation>%1 ist größer als jede Kanalliste (%2 MiB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3

Nothing was changed.</source>
        <translation>%1, Zeile %2: %3

Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>ChannelListPages</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Keine Kanäle</translation>
    </message>
</context>
<context>
    <name>ChosenFile</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>DifferenceTexts</name>
    <message>
        <source>LNB power</source>
        <translation>LNB-Versorgung</translation>
    </message>
    <message>
        <source>LNB high</source>
        <translation>LNB hoch</translation>
    </message>
    <message>
        <source>LNB low</source>
        <translation>LNB tief</translation>
    </message>
    <message>
        <source>22 kHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>13/18 V</source>
        <translation>13/18 V</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Display colour</source>
        <translation>Anzeigefarbe</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>no transponder</source>
        <translation>kein Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message>
        <source>(free)</source>
        <translation>(frei)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugekommen</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>retuned</source>
        <translation>auf anderem Transponder</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A group of differences: the table, then what happened to its records.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EditSystemInfo</name>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
</context>
<context>
    <name>GroupForm</name>
    <message>
        <source>Favorite Group</source>
        <translation>Favoritengruppe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>the pages could not be drawn</source>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>usage: volmaren --export-pdf OUT.pdf IMAGE</source>
        <translation>Aufruf: volmaren --export-pdf OUT.pdf IMAGE</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>%1 port Connect OK</source>
        <translation>Anschluss %1 verbunden</translation>
    </message>
</context>
<context>
    <name>PrintedList</name>
    <message>
        <source>Radio channels</source>
        <translation>Radiokanäle</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Kanäle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the name of a favourite group, %2 &quot;TV channels&quot; or &quot;Radio channels&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SatelliteForm</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>LNB Frequency</source>
        <translation>LNB-Frequenz</translation>
    </message>
    <message>
        <source>0V/12V Control</source>
        <translation>0V/12V-Steuerung</translation>
    </message>
    <message>
        <source>13V/18V Control</source>
        <translation>13V/18V-Steuerung</translation>
    </message>
    <message>
        <source>22KHz Control</source>
        <translation>22kHz-Steuerung</translation>
    </message>
    <message>
        <source>DiSEqC 1.0</source>
        <translation>DiSEqC 1.0</translation>
    </message>
</context>
<context>
    <name>SaveTrafficLog</name>
    <message>
        <source>Save Traffic Log</source>
        <translation>Übertragungsprotokoll speichern</translation>
    </message>
    <message>
        <source>Cannot write the traffic log to %1: %2</source>
        <translation>Das Übertragungsprotokoll kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>WARNING : Volmaren</source>
        <translation>WARNUNG : Volmaren</translation>
    </message>
    <message>
        <source>File is not STB Data image.</source>
        <translation>Die Datei ist kein STB-Datenabbild.</translation>
    </message>
    <message>
        <source>Save changes to current STB file?</source>
        <translation>Änderungen an der aktuellen STB-Datei speichern?</translation>
    </message>
    <message>
        <source>Satellite Count is full.</source>
        <translation>Die Höchstzahl an Satelliten ist erreicht.</translation>
    </message>
    <message>
        <source>Maximum number of 4000 Transponders can be Saved.</source>
        <translation>Es können höchstens 4000 Transponder gespeichert werden.</translation>
    </message>
    <message>
        <source>TV Channel is full</source>
        <translation>Die TV-Kanalliste ist voll</translation>
    </message>
    <message>
        <source>Radio Channel is full</source>
        <translation>Die Radiokanalliste ist voll</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 65535.</source>
        <translation>Bitte geben Sie eine Zahl von 0 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Satellite name is empty.</source>
        <translation>Der Satellitenname ist leer.</translation>
    </message>
    <message>
        <source>You don&apos;t input satellite information</source>
        <translation>Sie haben keine Satellitendaten eingegeben</translation>
    </message>
    <message>
        <source>Transponder information is empty</source>
        <translation>Die Transponderdaten sind leer</translation>
    </message>
    <message>
        <source>Channel Information is empty.</source>
        <translation>Die Kanaldaten sind leer.</translation>
    </message>
    <message>
        <source>Channel Data is empty</source>
        <translation>Die Kanaldaten sind leer</translation>
    </message>
    <message>
        <source>Error : Set COM1 State</source>
        <translation>Fehler : COM1-Einstellungen setzen</translation>
    </message>
    <message>
        <source>Error : Close COM Port</source>
        <translation>Fehler : COM-Anschluss schließen</translation>
    </message>
    <message>
        <source>COM(%d) port Connect OK</source>
        <extracomment>%d is the number of the COM port; keep it as %d.</extracomment>
        <translation>COM(%d) verbunden</translation>
    </message>
    <message>
        <source>COM port Connect OK</source>
        <translation>COM-Anschluss verbunden</translation>
    </message>
    <message>
        <source>Permission denied: you may not open %1. Ask the administrator for access to it.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>Zugriff verweigert: Sie dürfen %1 nicht öffnen. Bitten Sie den Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group %2. Add yourself to it with &quot;sudo usermod -aG %2 %3&quot;, then log out and back in.</source>
        <extracomment>%1 is the device, %2 the group owning it, %3 the user; keep the command as it is.</extracomment>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2. Treten Sie ihr mit &quot;sudo usermod -aG %2 %3&quot; bei, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Device busy: %1 is in use by another program. Close that program (&quot;fuser -v %1&quot; names it), then connect again.</source>
        <extracomment>%1 is the device; keep the command as it is.</extracomment>
        <translation>Gerät belegt: %1 wird von einem anderen Programm benutzt. Schließen Sie dieses Programm (&quot;fuser -v %1&quot; nennt es), und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>No such device: %1. Check that the adapter is plugged in, or pick another port.</source>
        <extracomment>%1 is the device.</extracomment>
        <translation>Gerät nicht vorhanden: %1. Prüfen Sie, ob der Adapter eingesteckt ist, oder wählen Sie einen anderen Anschluss.</translation>
    </message>
    <message>
        <source>Not a serial port: %1. Pick a port from the list of serial ports.</source>
        <extracomment>%1 is the device.</extracomment>
        <translation>Kein serieller Anschluss: %1. Wählen Sie einen Anschluss aus der Liste der seriellen Anschlüsse.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <extracomment>%1 is the device, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 does not take 115200 baud, 8N1: %2.</source>
        <extracomment>%1 is the device, %2 the system&apos;s reason.</extracomment>
        <translation>%1 nimmt 115200 Baud, 8N1 nicht an: %2.</translation>
    </message>
    <message>
        <source>Reset your STB and Wait for uploading...</source>
        <translation>Setzen Sie Ihre STB zurück und warten Sie auf den Empfang...</translation>
    </message>
    <message>
        <source>Reset your STB and Wait for Downloading...</source>
        <translation>Setzen Sie Ihre STB zurück und warten Sie auf das Senden...</translation>
    </message>
    <message>
        <source>Receiving DATA...</source>
        <translation>DATEN werden empfangen...</translation>
    </message>
    <message>
        <source>(%d / %d) %d%%</source>
        <extracomment>Bytes received, bytes in all, and the percentage; keep the three %d in this order, and %% for the percent sign.</extracomment>
        <translation>(%d / %d) %d %%</translation>
    </message>
    <message>
        <source>Sending DATA...</source>
        <translation>DATEN werden gesendet...</translation>
    </message>
    <message>
        <source>Interupted by User.  Please Reset your STB.</source>
        <translation>Vom Benutzer abgebrochen. Bitte setzen Sie Ihre STB zurück.</translation>
    </message>
    <message>
        <source>Terminate by User. Please Reset your STB.</source>
        <translation>Vom Benutzer beendet. Bitte setzen Sie Ihre STB zurück.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Senden abgeschlossen</translation>
    </message>
    <message>
        <source>The last transfer is still ending. Please try again.</source>
        <translation>Die letzte Übertragung endet noch. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The transfer could not start: no worker thread.</source>
        <translation>Die Übertragung konnte nicht starten: kein Arbeitsthread.</translation>
    </message>
    <message>
        <source>No downloading data has been selected</source>
        <translation>Es sind keine Daten zum Senden gewählt</translation>
    </message>
    <message>
        <source>STB image File don&apos;t saved</source>
        <translation>Die STB-Abbilddatei ist nicht gespeichert</translation>
    </message>
    <message>
        <source>Invalid System Code</source>
        <translation>Ungültiger Systemcode</translation>
    </message>
    <message>
        <source>Notice : Your current Bouquet data will be initialized</source>
        <translation>Hinweis : Ihre aktuellen Bouquet-Daten werden zurückgesetzt</translation>
    </message>
    <message>
        <source>&apos;All Satellite&apos;</source>
        <translation>&apos;Alle Satelliten&apos;</translation>
    </message>
    <message>
        <source>&apos;All Transponder&apos;</source>
        <translation>&apos;Alle Transponder&apos;</translation>
    </message>
    <message>
        <source>FTA</source>
        <extracomment>Free to air: not scrambled.</extracomment>
        <translation>FTA</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The standard CA system.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>reserved</source>
        <extracomment>A reserved CA system.</extracomment>
        <translation>reserviert</translation>
    </message>
    <message>
        <source>LEFT</source>
        <extracomment>Audio channel.</extracomment>
        <translation>LINKS</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <extracomment>Audio channel.</extracomment>
        <translation>RECHTS</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>STEREO</translation>
    </message>
    <message>
        <source>NoGroup</source>
        <extracomment>The channel is in no favourite group.</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Heading of the channel number.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>V-PID</source>
        <extracomment>Video PID.</extracomment>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <extracomment>Audio PID.</extracomment>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>P-PID</source>
        <extracomment>PCR PID.</extracomment>
        <translation>P-PID</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ausl.</translation>
    </message>
    <message>
        <source>Standard Universal</source>
        <extracomment>An LNB type.</extracomment>
        <translation>Standard-Universal</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>Voltage or 22 kHz tone chosen by the receiver.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>TONE A</source>
        <extracomment>A DiSEqC choice.</extracomment>
        <translation>TON A</translation>
    </message>
    <message>
        <source>TONE B</source>
        <extracomment>A DiSEqC choice.</extracomment>
        <translation>TON B</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A CA system.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reserved</source>
        <extracomment>A CA system.</extracomment>
        <translation>Reserviert</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The receiver&apos;s menu language.</extracomment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Germany</source>
        <extracomment>The receiver&apos;s menu language German.</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbisch</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour of the receiver&apos;s menus.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>a carriage return outside quotes</source>
        <translation>ein Wagenrücklauf (CR) außerhalb von Anführungszeichen</translation>
    </message>
    <message>
        <source>the first row must be the header %1</source>
        <extracomment>%1 is the header row of the CSV file; it stays as it is.</extracomment>
        <translation>die erste Zeile muss die Kopfzeile %1 sein</translation>
    </message>
    <message>
        <source>%1 columns where the header has %2</source>
        <extracomment>%1 is the number of columns in a row, %2 the number in the header.</extracomment>
        <translation>%1 Spalten, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <extracomment>%1 is a column of the CSV file, named as in its header (name, bouquet...).</extracomment>
        <translation>%1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; has a character the receiver cannot store (only Latin-1 ones)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text.</extracomment>
        <translation>%1 &apos;%2&apos; enthält ein Zeichen, das der Receiver nicht speichern kann (nur Latin-1-Zeichen)</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <extracomment>%1 is a column of the CSV file, named as in its header.</extracomment>
        <translation>%1 enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is longer than the receiver stores (%3 characters)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text; %3 the most characters the receiver stores.</extracomment>
        <translation>%1 &apos;%2&apos; ist länger, als der Receiver speichert (%3 Zeichen)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 to %4</source>
        <extracomment>%1 is a column of the CSV file, named as in its header, or an attribute or key of a transponder list (position, FREQUENCY...), which stays as it is; %2 the text; %3 and %4 the least and the greatest number.</extracomment>
        <translation>%1 &apos;%2&apos; ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>frequency_mhz &apos;%1&apos; is not a frequency in MHz (at most three decimals)</source>
        <extracomment>frequency_mhz is the column&apos;s name in the CSV file: keep it. %1 is the cell&apos;s text.</extracomment>
        <translation>frequency_mhz &apos;%1&apos; ist keine Frequenz in MHz (höchstens drei Nachkommastellen)</translation>
    </message>
    <message>
        <source>unknown %1 &apos;%2&apos; (%3 or %4)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text; %3 and %4 the two words the column takes, which stay as they are.</extracomment>
        <translation>unbekannter Wert für %1: &apos;%2&apos; (%3 oder %4)</translation>
    </message>
    <message>
        <source>symbol_rate and polarization need a frequency</source>
        <extracomment>symbol_rate, polarization and frequency are columns of the CSV file: keep symbol_rate and polarization as they are.</extracomment>
        <translation>symbol_rate und polarization brauchen eine Frequenz</translation>
    </message>
    <message>
        <source>unknown scramble &apos;%1&apos;</source>
        <extracomment>scramble is a column of the CSV file: keep it. %1 is the cell&apos;s text.</extracomment>
        <translation>unbekannter Wert für scramble: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown audio &apos;%1&apos; (STEREO, RIGHT or LEFT)</source>
        <extracomment>audio is a column of the CSV file; it and STEREO, RIGHT, LEFT stay as they are. %1 is the cell&apos;s text.</extracomment>
        <translation>unbekannter Wert für audio: &apos;%1&apos; (STEREO, RIGHT oder LEFT)</translation>
    </message>
    <message>
        <source>unknown group &apos;%1&apos;</source>
        <extracomment>%1 is the name of a favourite group.</extracomment>
        <translation>unbekannte Gruppe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>group &apos;%1&apos; cannot be created: a group name has 1 to 7 characters</source>
        <extracomment>%1 is the name of a favourite group.</extracomment>
        <translation>Gruppe &apos;%1&apos; kann nicht angelegt werden: Ein Gruppenname hat 1 bis 7 Zeichen</translation>
    </message>
    <message>
        <source>no transponder with this satellite, frequency and polarization</source>
        <extracomment>Why a row of an imported list adds no channel.</extracomment>
        <translation>kein Transponder mit diesem Satelliten, dieser Frequenz und Polarisation</translation>
    </message>
    <message>
        <source>its channel is there already</source>
        <extracomment>Why a row of an imported list adds no channel: an earlier row added it.</extracomment>
        <translation>sein Kanal ist bereits vorhanden</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>tv channel %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>TV-Kanal %1</translation>
    </message>
    <message>
        <source>radio channel %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>Radiokanal %1</translation>
    </message>
    <message>
        <source>group %1</source>
        <extracomment>A favourite group record of the image; %1 is its index.</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>system block</source>
        <extracomment>The record of the receiver&apos;s settings and counts in the image.</extracomment>
        <translation>Systemblock</translation>
    </message>
    <message>
        <source>missing end record</source>
        <extracomment>The table&apos;s end record is missing.</extracomment>
        <translation>Endeintrag fehlt</translation>
    </message>
    <message>
        <source>slot after the end is not empty</source>
        <translation>Platz nach dem Ende ist nicht leer</translation>
    </message>
    <message>
        <source>deleted record left in the table</source>
        <translation>gelöschter Eintrag in der Tabelle verblieben</translation>
    </message>
    <message>
        <source>deleted bouquet entry left in the table</source>
        <translation>gelöschter Bouquet-Eintrag in der Tabelle verblieben</translation>
    </message>
    <message>
        <source>bouquet entry after the end is not zero</source>
        <translation>Bouquet-Eintrag nach dem Ende ist nicht null</translation>
    </message>
    <message>
        <source>index field is %1, not its position</source>
        <extracomment>%1 is the number the record&apos;s index field holds.</extracomment>
        <translation>Indexfeld ist %1, nicht seine Position</translation>
    </message>
    <message>
        <source>names satellite %1, which does not exist</source>
        <extracomment>%1 is the index of a satellite.</extracomment>
        <translation>verweist auf Satellit %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>names transponder %1, which does not exist</source>
        <extracomment>%1 is the index of a transponder.</extracomment>
        <translation>verweist auf Transponder %1, den es nicht gibt</translation>
    </message>
    <message>
        <source>name has no NUL</source>
        <extracomment>The name fills its field without the terminating NUL byte.</extracomment>
        <translation>Name hat kein NUL</translation>
    </message>
    <message>
        <source>bouquet name has no NUL</source>
        <translation>Bouquet-Name hat kein NUL</translation>
    </message>
    <message>
        <source>member of unnamed group %1</source>
        <extracomment>%1 lists the numbers of the groups.</extracomment>
        <translation>Mitglied der namenlosen Gruppe %1</translation>
    </message>
    <message>
        <source>groupsInUse is %1, the named groups make %2</source>
        <extracomment>groupsInUse is the name of a field: keep it. %1 and %2 are hexadecimal numbers.</extracomment>
        <translation>groupsInUse ist %1, die benannten Gruppen ergeben %2</translation>
    </message>
    <message>
        <source>same transponder and PIDs as tv channel %1</source>
        <extracomment>%1 is the slot of the earlier channel; PIDs are its packet identifiers.</extracomment>
        <translation>gleicher Transponder und gleiche PIDs wie TV-Kanal %1</translation>
    </message>
    <message>
        <source>same transponder and PIDs as radio channel %1</source>
        <extracomment>%1 is the slot of the earlier channel; PIDs are its packet identifiers.</extracomment>
        <translation>gleicher Transponder und gleiche PIDs wie Radiokanal %1</translation>
    </message>
    <message>
        <source>%1 is %2, the upkeep makes it %3</source>
        <extracomment>%1 is the name of a field of the record, which stays as it is; %2 its value, %3 the value the upkeep (the recount of the counts and positions) computes.</extracomment>
        <translation>%1 ist %2, die Neuberechnung ergibt %3</translation>
    </message>
    <message>
        <source>position pair of satellite %1 is %2, the upkeep makes it %3</source>
        <extracomment>%1 is the index of a satellite; %2 and %3 are pairs &quot;(tv, radio)&quot; of list positions; the upkeep recounts the counts and positions.</extracomment>
        <translation>Positionspaar von Satellit %1 ist %2, die Neuberechnung ergibt %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the path of something that is no file (a folder, say).</extracomment>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1: kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: nothing written</source>
        <extracomment>%1 is the file&apos;s path: writing to it stored no byte.</extracomment>
        <translation>%1: nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: cannot be read for its backup</source>
        <extracomment>%1 is the path of the file that was to be kept as a backup.</extracomment>
        <translation>%1: kann für die Sicherungskopie nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: the file was saved, but its backup could not be kept: %2</source>
        <extracomment>%1 is the path of the backup (ending in .bak), %2 the system&apos;s reason.</extracomment>
        <translation>%1: Die Datei wurde gespeichert, aber ihre Sicherungskopie konnte nicht behalten werden: %2</translation>
    </message>
    <message>
        <source>tv &apos;%1&apos;</source>
        <extracomment>A TV channel; %1 is its name.</extracomment>
        <translation>TV &apos;%1&apos;</translation>
    </message>
    <message>
        <source>radio &apos;%1&apos;</source>
        <extracomment>A radio channel; %1 is its name.</extracomment>
        <translation>Radio &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Download complete. Reset your STB and Wait for verifying...</source>
        <translation>Senden abgeschlossen. Setzen Sie Ihre STB zurück und warten Sie auf die Prüfung...</translation>
    </message>
    <message>
        <source>Verified: the receiver holds exactly what was sent.</source>
        <translation>Geprüft: Der Receiver enthält genau das, was gesendet wurde.</translation>
    </message>
    <message>
        <source>Not verified: the receiver holds other data than what was sent.</source>
        <translation>Prüfung fehlgeschlagen: Der Receiver enthält andere Daten als die gesendeten.</translation>
    </message>
    <message>
        <source>Download complete, but not verified: the read-back was stopped. Please Reset your STB.</source>
        <translation>Senden abgeschlossen, aber nicht geprüft: Das Zurücklesen wurde abgebrochen. Bitte setzen Sie Ihre STB zurück.</translation>
    </message>
    <message>
        <source>The image read from the receiver was not kept in the receiver history: %1</source>
        <extracomment>%1 is why: a path and the system&apos;s reason, e.g. &quot;/home/ana/.local/share/volmaren/receiver: Permission denied&quot;.</extracomment>
        <translation>Das vom Receiver gelesene Abbild wurde nicht im Receiver-Verlauf aufbewahrt: %1</translation>
    </message>
    <message>
        <source>The receiver history could not remove its oldest image: %1</source>
        <extracomment>%1 is why: the oldest image&apos;s path and the system&apos;s reason.</extracomment>
        <translation>Der Receiver-Verlauf konnte sein ältestes Abbild nicht entfernen: %1</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken tag</source>
        <extracomment>A file that should be XML (a satellites.xml transponder list) breaks its rules.</extracomment>
        <translation>kein wohlgeformtes XML: ein fehlerhaftes Tag</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken attribute</source>
        <translation>kein wohlgeformtes XML: ein fehlerhaftes Attribut</translation>
    </message>
    <message>
        <source>not well-formed XML: an element that is not closed, or closed by another end tag</source>
        <translation>kein wohlgeformtes XML: ein Element, das nicht oder von einem anderen End-Tag geschlossen wird</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken comment, CDATA section, declaration or text</source>
        <translation>kein wohlgeformtes XML: ein fehlerhafter Kommentar, CDATA-Abschnitt, eine fehlerhafte Deklaration oder fehlerhafter Text</translation>
    </message>
    <message>
        <source>no XML element</source>
        <translation>kein XML-Element</translation>
    </message>
    <message>
        <source>too large to read</source>
        <extracomment>A transponder list file that takes more memory than there is.</extracomment>
        <translation>zu groß zum Lesen</translation>
    </message>
    <message>
        <source>the first element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first XML element; keep &lt;satellites&gt; as it is.</extracomment>
        <translation>das erste Element ist &lt;%1&gt;, nicht &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2 attribute</source>
        <extracomment>%1 is an XML element (sat, transponder), %2 an attribute (name, position, frequency...); both stay as they are.</extracomment>
        <translation>&lt;%1&gt; hat kein Attribut %2</translation>
    </message>
    <message>
        <source>neither [NAME] nor KEY = VALUE</source>
        <extracomment>A line of a dvbv5 channel file; keep [NAME] and KEY = VALUE as they are.</extracomment>
        <translation>weder [NAME] noch KEY = VALUE</translation>
    </message>
    <message>
        <source>KEY = VALUE before the first [NAME]</source>
        <extracomment>Keep KEY = VALUE and [NAME] as they are.</extracomment>
        <translation>KEY = VALUE vor dem ersten [NAME]</translation>
    </message>
    <message>
        <source>[%1] has no %2</source>
        <extracomment>%1 is the name of a block of a dvbv5 channel file, %2 a key it lacks (FREQUENCY...), which stays as it is.</extracomment>
        <translation>[%1] hat kein %2</translation>
    </message>
    <message>
        <source>DELIVERY_SYSTEM &apos;%1&apos; is neither DVBS nor DVBS2</source>
        <extracomment>%1 is the value of the line; keep DELIVERY_SYSTEM, DVBS and DVBS2 as they are.</extracomment>
        <translation>DELIVERY_SYSTEM &apos;%1&apos; ist weder DVBS noch DVBS2</translation>
    </message>
    <message>
        <source>POLARIZATION &apos;%1&apos; is not HORIZONTAL, VERTICAL, LEFT or RIGHT</source>
        <extracomment>%1 is the value of the line; keep POLARIZATION and the four words as they are.</extracomment>
        <translation>POLARIZATION &apos;%1&apos; ist nicht HORIZONTAL, VERTICAL, LEFT oder RIGHT</translation>
    </message>
    <message>
        <source>%1 transponders to add, but the transponder table has room for %2: nothing was changed</source>
        <extracomment>%1 is how many transponders an update would add, %2 how many more the receiver&apos;s transponder table holds.</extracomment>
        <translation>%1 Transponder hinzuzufügen, aber die Transpondertabelle hat Platz für %2: nichts wurde geändert</translation>
    </message>
    <message>
        <source>the list is not UTF-8 text: it was read as Windows-1252</source>
        <extracomment>Windows-1252 is the name of the Western European Windows code page; keep it.</extracomment>
        <translation>die Liste ist kein UTF-8-Text: sie wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be added: it is on no transponder.</source>
        <extracomment>%1 is the name of a channel of the other image or list.</extracomment>
        <translation>&apos;%1&apos; kann nicht hinzugefügt werden: Der Kanal liegt auf keinem Transponder.</translation>
    </message>
    <message>
        <source>The transponder %1 cannot be added: it belongs to no satellite.</source>
        <extracomment>%1 is the transponder&apos;s frequency in MHz and its polarization (H or V), e.g. &quot;11362 H&quot;.</extracomment>
        <translation>Der Transponder %1 kann nicht hinzugefügt werden: Er gehört zu keinem Satelliten.</translation>
    </message>
    <message>
        <source>The group &apos;%1&apos; cannot be created: every favourite group is in use.</source>
        <extracomment>%1 is the name of a favourite group that a channel list names.</extracomment>
        <translation>Die Gruppe &apos;%1&apos; kann nicht angelegt werden: Alle Favoritengruppen sind belegt.</translation>
    </message>
</context>
<context>
    <name>TransponderForm</name>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>STB images (*.dat);;All files (*)</source>
        <translation>STB-Abbilder (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv);;All files (*)</source>
        <translation>Kanallisten (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>STB images and channel lists (*.dat *.csv);;All files (*)</source>
        <translation>STB-Abbilder und Kanallisten (*.dat *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Transponder lists (*.xml *.conf *.[0-9]E *.[0-9]W);;All files (*)</source>
        <translation>Transponderlisten (*.xml *.conf *.[0-9]E *.[0-9]W);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>STB images, backups and channel lists (*.dat *.bak *.csv);;All files (*)</source>
        <translation>STB-Abbilder, Sicherungen und Kanallisten (*.dat *.bak *.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>VerifyOutcome</name>
    <message>
        <source>receiver</source>
        <extracomment>The compare window after Download and Verify: what the receiver holds against what was sent.</extracomment>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>Download and Verify</source>
        <translation>Senden und überprüfen</translation>
    </message>
    <message>
        <source>Records that differ: %1</source>
        <translation>Abweichende Datensätze: %1</translation>
    </message>
</context>
</TS>
