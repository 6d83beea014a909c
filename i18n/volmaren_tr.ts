<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Volmaren</source>
        <translation>Volmaren Hakkında</translation>
    </message>
    <message>
        <source>Volmaren Version 1.3</source>
        <translation>Volmaren Sürüm 1.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>CChannelAddDlg</name>
    <message>
        <source>Channel Add</source>
        <translation>Kanal Ekle</translation>
    </message>
</context>
<context>
    <name>CChannelCommands</name>
    <message>
        <source>Please choose the channel</source>
        <translation>Lütfen kanalı seçin</translation>
    </message>
    <message>
        <source>Add TV-Channel</source>
        <translation>TV Kanalı Ekle</translation>
    </message>
    <message>
        <source>Add Radio-Channel</source>
        <translation>Radyo Kanalı Ekle</translation>
    </message>
    <message>
        <source>Delete TV-Channel</source>
        <translation>TV Kanalını Sil</translation>
    </message>
    <message>
        <source>Delete Radio-Channel</source>
        <translation>Radyo Kanalını Sil</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Edit Selected Channels...</source>
        <translation>Seçili Kanalları Düzenle...</translation>
    </message>
    <message>
        <source>Sort Channels...</source>
        <translation>Kanalları Sırala...</translation>
    </message>
    <message>
        <source>Please choose the Satellite and Transponder for channel ADD</source>
        <translation>Kanal eklemek için lütfen uydu ve transponder seçin</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal Ekle</translation>
    </message>
    <message>
        <source>Please choose only one Channel</source>
        <translation>Lütfen yalnızca bir kanal seçin</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal Düzenle</translation>
    </message>
    <message>
        <source>There is not Selected Channel.</source>
        <translation>Seçili kanal yok.</translation>
    </message>
    <message>
        <source>Do you want to delete channel(s)?</source>
        <translation>Kanal(lar)ı silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal Sil</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>Kanal Yukarı</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal Aşağı</translation>
    </message>
    <message>
        <source>Paste Channels</source>
        <translation>Kanalları Yapıştır</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>Kanalları Taşı</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Kanalları Sırala</translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>Kanalları Düzenle</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Channel Edit</source>
        <translation>Kanal Düzenle</translation>
    </message>
</context>
<context>
    <name>CChannelFlagsDlg</name>
    <message>
        <source>(unchanged)</source>
        <translation>(değişmedi)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n Channels</source>
        <translation>
            <numerusform>%n Kanalı Düzenle</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Kilit</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Atla</translation>
    </message>
    <message>
        <source>&amp;Audio</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>Favorite groups</source>
        <translation>Favori grupları</translation>
    </message>
</context>
<context>
    <name>CCompareCommands</name>
    <message>
        <source>Compare With</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>%1 as saved</source>
        <extracomment>The file on disk, beside the same file&apos;s unsaved data.</extracomment>
        <translation>%1 (kaydedilmiş)</translation>
    </message>
</context>
<context>
    <name>CCompareWindow</name>
    <message>
        <source>Name, value or kind of change</source>
        <translation>Ad, değer veya değişiklik türü</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Süzgeç:</translation>
    </message>
    <message>
        <source>&amp;Take From Other</source>
        <translation>Diğerinden &amp;Al</translation>
    </message>
    <message>
        <source>Makes the selected rows of ours as the other side has them (Enter)</source>
        <translation>Seçili satırları bizde diğer taraftaki gibi yapar (Enter)</translation>
    </message>
    <message>
        <source>Take &amp;All</source>
        <translation>&amp;Tümünü Al</translation>
    </message>
    <message>
        <source>Makes the channel lists, groups, transponders and satellites as the other side has them; the system settings stay as they are</source>
        <translation>Kanal listelerini, grupları, transponderları ve uyduları diğer taraftaki gibi yapar; sistem ayarları olduğu gibi kalır</translation>
    </message>
    <message>
        <source>this document</source>
        <translation>bu belge</translation>
    </message>
    <message>
        <source>Compare %1 With %2</source>
        <translation>%1 ile %2 karşılaştırması</translation>
    </message>
    <message>
        <source>No image is open.</source>
        <translation>Açık bir görüntü yok.</translation>
    </message>
    <message>
        <source>No differences: the two are the same.</source>
        <translation>Fark yok: ikisi aynı.</translation>
    </message>
    <message>
        <source>Differences: %1</source>
        <translation>Farklar: %1</translation>
    </message>
    <message>
        <source>Differences shown: %1 of %2</source>
        <translation>Gösterilen farklar: %1 / %2</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Bizimki</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Diğeri</translation>
    </message>
    <message>
        <source>Take From Other</source>
        <translation>Diğerinden Al</translation>
    </message>
    <message>
        <source>Take All</source>
        <translation>Tümünü Al</translation>
    </message>
    <message>
        <source>%1

Nothing was changed.</source>
        <translation>%1

Hiçbir şey değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>CConnectDlg</name>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Select Port</source>
        <translation>Bağlantı Noktası Seçin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CDifferenceModel</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 / %3)</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The channel&apos;s position in its list.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Ours</source>
        <translation>Bizimki</translation>
    </message>
    <message>
        <source>Ours: %1</source>
        <translation>Bizimki: %1</translation>
    </message>
    <message>
        <source>Theirs</source>
        <translation>Diğeri</translation>
    </message>
    <message>
        <source>Theirs: %1</source>
        <translation>Diğeri: %1</translation>
    </message>
</context>
<context>
    <name>CEditDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CFavoriteGroupDlg</name>
    <message>
        <source>Favorite Group Edit</source>
        <translation>Favori Grup Düzenleme</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>TV Channel   </source>
        <translation>TV Kanalları   </translation>
    </message>
    <message>
        <source>Radio Channel</source>
        <translation>Radyo Kanalları</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>All the 8 favorite groups have been used</source>
        <translation>8 favori grubun tümü kullanılıyor</translation>
    </message>
    <message>
        <source>No group exist, or No group has been selected</source>
        <translation>Grup yok veya hiçbir grup seçilmedi</translation>
    </message>
    <message>
        <source>There is no tv-channel</source>
        <translation>TV kanalı yok</translation>
    </message>
    <message>
        <source>There is no radio-channel</source>
        <translation>Radyo kanalı yok</translation>
    </message>
    <message>
        <source>Do you want to delete the current group?</source>
        <translation>Geçerli grubu silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The edited data has not been saved.  Do you want to execute the window ?</source>
        <translation>Düzenlenen veriler kaydedilmedi. Pencereyi yine de kapatmak istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>CGroupAddDlg</name>
    <message>
        <source>Group Add</source>
        <translation>Grup Ekle</translation>
    </message>
    <message>
        <source>Group name don&apos;t input.</source>
        <translation>Grup adı girilmedi.</translation>
    </message>
</context>
<context>
    <name>CGroupCommand</name>
    <message>
        <source>Favorite Group Edit</source>
        <translation>Favori Grup Düzenleme</translation>
    </message>
</context>
<context>
    <name>CGroupEditDlg</name>
    <message>
        <source>Group Edit</source>
        <translation>Grup Düzenle</translation>
    </message>
    <message>
        <source>Group name is empty.</source>
        <translation>Grup adı boş.</translation>
    </message>
</context>
<context>
    <name>CHistoryCommands</name>
    <message>
        <source>Receiver &amp;History...</source>
        <translation>Alıcı &amp;Geçmişi...</translation>
    </message>
    <message>
        <source>Download and &amp;Verify</source>
        <translation>Gönder ve &amp;Doğrula</translation>
    </message>
    <message>
        <source>Keep Receiver &amp;History</source>
        <translation>Alıcı Geçmişini &amp;Sakla</translation>
    </message>
    <message>
        <source>receiver %1</source>
        <extracomment>Names an image of the receiver history in the compare window; %1 is when it was read.</extracomment>
        <translation>alıcı %1</translation>
    </message>
</context>
<context>
    <name>CHoverButton</name>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DUR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Fav-Group</source>
        <translation>Fav-Grup</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal Aşağı</translation>
    </message>
    <message>
        <source>Channel UP</source>
        <translation>Kanal Yukarı</translation>
    </message>
    <message>
        <source>DOWNLOAD (PC -&gt; STB)</source>
        <extracomment>Writes the image into the receiver. A bracketed part may go on a second line.</extracomment>
        <translation>GÖNDER (PC -&gt; STB)</translation>
    </message>
    <message>
        <source>UPLOAD (STB -&gt; PC)</source>
        <extracomment>Reads the image from the receiver. A bracketed part may go on a second line.</extracomment>
        <translation>AL (STB -&gt; PC)</translation>
    </message>
</context>
<context>
    <name>CListCommands</name>
    <message>
        <source>Export Channels</source>
        <translation>Kanalları Dışa Aktar</translation>
    </message>
    <message>
        <source>Export Channels: %1</source>
        <translation>Kanalları Dışa Aktar: %1</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalları İçe Aktar</translation>
    </message>
    <message>
        <source>Rows of the list that name no channel: %1. Of them %2 can be added to the channels of their transponder.

Add them?</source>
        <translation>Listede hiçbir kanala karşılık gelmeyen satırlar: %1. Bunlardan %2 tanesi kendi transponderlerinin kanallarına eklenebilir.

Eklensin mi?</translation>
    </message>
    <message>
        <source>Matched: %1
Moved: %2
Renamed: %3
Unmatched: %4
Added: %5</source>
        <translation>Eşleşen: %1
Taşınan: %2
Yeniden adlandırılan: %3
Eşleşmeyen: %4
Eklenen: %5</translation>
    </message>
    <message>
        <source>The channels already were as the list has them: nothing changed.</source>
        <translation>Kanallar zaten listedeki gibiydi: hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Sıralamayı Şuradan Uygula</translation>
    </message>
    <message>
        <source>Matched: %1
Moved: %2
Reference rows that name no channel: %3
Channels not in the reference (they follow in their order): %4</source>
        <translation>Eşleşen: %1
Taşınan: %2
Referansta hiçbir kanala karşılık gelmeyen satırlar: %3
Referansta olmayan kanallar (kendi sıralarıyla arkadan gelir): %4</translation>
    </message>
    <message>
        <source>Groups created: %1</source>
        <translation>Oluşturulan gruplar: %1</translation>
    </message>
    <message>
        <source>Groups without a free slot (their members stay out of them): %1</source>
        <translation>Boş yeri olmayan gruplar (üyeleri bu gruplara girmez): %1</translation>
    </message>
    <message>
        <source>Reference rows that name no channel:</source>
        <translation>Referansta hiçbir kanala karşılık gelmeyen satırlar:</translation>
    </message>
    <message>
        <source>Channels not in the reference:</source>
        <translation>Referansta olmayan kanallar:</translation>
    </message>
    <message>
        <source>The channels already are in this order: nothing would change.</source>
        <translation>Kanallar zaten bu sırada: hiçbir şey değişmezdi.</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Sıralamayı Uygula</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>The image is consistent: the check found nothing to repair.</source>
        <translation>Görüntü tutarlı: denetim onarılacak bir şey bulmadı.</translation>
    </message>
    <message>
        <source>Inconsistencies found: %1.

Repair removes dangling records and later duplicates, ends every name within its field, drops the members of unnamed groups and recomputes the counts and positions. Undo takes the repair back.</source>
        <translation>Bulunan tutarsızlıklar: %1.

Onarım sahipsiz kayıtları ve sonraki kopyaları kaldırır, her adı kendi alanı içinde sonlandırır, adsız grupların üyelerini çıkarır ve sayıları ile konumları yeniden hesaplar. Geri Al onarımı geri alır.</translation>
    </message>
    <message>
        <source>Check Image</source>
        <translation>Görüntüyü Denetle</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Onar</translation>
    </message>
    <message>
        <source>Repair Image</source>
        <translation>Görüntüyü Onar</translation>
    </message>
    <message>
        <source>CSV (comma) (*.csv)</source>
        <translation>CSV (virgül) (*.csv)</translation>
    </message>
    <message>
        <source>CSV (semicolon) (*.csv)</source>
        <translation>CSV (noktalı virgül) (*.csv)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>STB System &amp;Infomation</source>
        <translation>STB Sistem &amp;Bilgileri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>T&amp;ransfer</source>
        <translation>A&amp;ktarım</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Bağlan</translation>
    </message>
    <message>
        <source>&amp;Upload     [STB-&gt;PC]</source>
        <translation>&amp;Al     [STB-&gt;PC]</translation>
    </message>
    <message>
        <source>&amp;Download [PC-&gt;STB]</source>
        <translation>&amp;Gönder [PC-&gt;STB]</translation>
    </message>
    <message>
        <source>Save Traffic &amp;Log...</source>
        <translation>&amp;Trafik Günlüğünü Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About Volmaren...</source>
        <translation>Volmaren &amp;Hakkında...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu</comment>
        <translation>Düz&amp;en</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Yin&amp;ele</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Bul...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Düzenle</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>Cu&amp;t Channels</source>
        <translation>Kanalları &amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Paste Channels</source>
        <translation>Kanalları Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Channel &amp;Up</source>
        <translation>Kanal &amp;Yukarı</translation>
    </message>
    <message>
        <source>Channel D&amp;own</source>
        <translation>Kanal &amp;Aşağı</translation>
    </message>
    <message>
        <source>Edit Selected &amp;Channels...</source>
        <translation>Seçili Ka&amp;nalları Düzenle...</translation>
    </message>
    <message>
        <source>&amp;Sort Channels...</source>
        <translation>Kanalları Sı&amp;rala...</translation>
    </message>
    <message>
        <source>U&amp;ndo %1</source>
        <translation>&amp;Geri Al: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Yin&amp;ele: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>Kanalları &amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>I&amp;mport Channels...</source>
        <translation>Kanalları İçe Ak&amp;tar...</translation>
    </message>
    <message>
        <source>Apply O&amp;rder From...</source>
        <translation>Sıralamayı Şuradan &amp;Uygula...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>&amp;Check Image...</source>
        <translation>Görüntüyü &amp;Denetle...</translation>
    </message>
    <message>
        <source>&amp;Print Channel List...</source>
        <translation>Kanal Listesini &amp;Yazdır...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>&amp;PDF Olarak Dışa Aktar...</translation>
    </message>
    <message>
        <source>&amp;Update Transponders...</source>
        <translation>&amp;Transponderları Güncelle...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>Ka&amp;rşılaştır...</translation>
    </message>
    <message>
        <source>Compare With Sa&amp;ved</source>
        <translation>Kaydedilmiş &amp;Sürümle Karşılaştır</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Print Channel List</source>
        <translation>Kanal Listesini Yazdır</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Export PDF: %1: %2</source>
        <translation>PDF Olarak Dışa Aktar: %1: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>CPrintOptionsDlg</name>
    <message>
        <source>Only the &amp;radio list</source>
        <translation>Yalnızca &amp;radyo listesi</translation>
    </message>
    <message>
        <source>Only the &amp;TV list</source>
        <translation>Yalnızca &amp;TV listesi</translation>
    </message>
    <message>
        <source>One section per favourite &amp;group</source>
        <translation>Her favori &amp;grup için bir bölüm</translation>
    </message>
    <message>
        <source>The TV list, then the radio &amp;list</source>
        <translation>Önce TV listesi, sonra radyo &amp;listesi</translation>
    </message>
</context>
<context>
    <name>CReceiverHistoryDlg</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Compare With Document</source>
        <translation>&amp;Belgeyle Karşılaştır</translation>
    </message>
    <message>
        <source>Receiver History</source>
        <translation>Alıcı Geçmişi</translation>
    </message>
    <message>
        <source>No image has been read from the receiver yet. Each upload is kept here.</source>
        <translation>Alıcıdan henüz bir görüntü okunmadı. Her alım burada saklanır.</translation>
    </message>
    <message>
        <source>The images read from the receiver, newest first. The last %1 are kept.</source>
        <translation>Alıcıdan okunan görüntüler, en yenisi önce. Son %1 tanesi saklanır.</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Okunma zamanı</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Varyant</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>small (1)</source>
        <translation>küçük (1)</translation>
    </message>
    <message>
        <source>large (2)</source>
        <translation>büyük (2)</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>okunamıyor</translation>
    </message>
</context>
<context>
    <name>CRecoveryOffer</name>
    <message>
        <source>Volmaren was not closed properly. The unsaved changes to %1 from %2 can be recovered.</source>
        <translation>Volmaren düzgün kapatılmadı. %1 üzerinde %2 tarihinde yapılan kaydedilmemiş değişiklikler kurtarılabilir.</translation>
    </message>
    <message>
        <source>The last change: %1</source>
        <translation>Son değişiklik: %1</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Kurtar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;At</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Sonra</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 from %2 will be lost. Discard them?</source>
        <translation>%1 üzerinde %2 tarihinde yapılan kaydedilmemiş değişiklikler kaybolacak. Atılsın mı?</translation>
    </message>
    <message>
        <source>The recovery file %1 is damaged and cannot be recovered. Delete it?</source>
        <translation>Kurtarma dosyası %1 hasarlı ve kurtarılamıyor. Silinsin mi?</translation>
    </message>
    <message>
        <source>a new image</source>
        <translation>yeni bir görüntü</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Karşılaş&amp;tır</translation>
    </message>
    <message>
        <source>recovered from %1</source>
        <translation>%1 tarihinden kurtarılan</translation>
    </message>
</context>
<context>
    <name>CSatelliteAddDlg</name>
    <message>
        <source>Satellite Add</source>
        <translation>Uydu Ekle</translation>
    </message>
</context>
<context>
    <name>CSatelliteCommands</name>
    <message>
        <source>No Satellite has been selected, or Satellite does not exist</source>
        <translation>Uydu seçilmedi veya uydu mevcut değil</translation>
    </message>
    <message>
        <source>Please choose only one Satellite</source>
        <translation>Lütfen yalnızca bir uydu seçin</translation>
    </message>
    <message>
        <source>Please choose the Satellite</source>
        <translation>Lütfen uyduyu seçin</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Uydu Ekle</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Uydu Sil</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Uydu Düzenle</translation>
    </message>
    <message>
        <source>Do you want to delete the current Satellite(s)?</source>
        <translation>Seçili uydu(lar)ı silmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>CSatelliteEditDlg</name>
    <message>
        <source>Satellite Edit</source>
        <translation>Uydu Düzenle</translation>
    </message>
</context>
<context>
    <name>CSortChannelsDlg</name>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Azalan</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Kanalları Sırala</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Transponder frequency</source>
        <translation>Transponder frekansı</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Free-to-air first</source>
        <translation>Önce şifresiz olanlar</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>A&amp;rtan</translation>
    </message>
    <message>
        <source>Sort &amp;by</source>
        <translation>&amp;Sıralama ölçütü</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Sıra</translation>
    </message>
    <message numerus="yes">
        <source>The %n channels the list shows are sorted; equal ones keep their order, and the rest of the table stays as it is.</source>
        <translation>
            <numerusform>Listenin gösterdiği %n kanal sıralanır; eşit olanlar sıralarını korur ve tablonun geri kalanı olduğu gibi kalır.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSystemInfoDlg</name>
    <message>
        <source>System Information Edit</source>
        <translation>Sistem Bilgilerini Düzenle</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Sistem Bilgileri</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menü Dili</translation>
    </message>
    <message>
        <source>Display Color type</source>
        <translation>Ekran Rengi</translation>
    </message>
    <message>
        <source>Text Color Type</source>
        <translation>Metin Rengi</translation>
    </message>
    <message>
        <source>This will lost change data. Do you confirm ?</source>
        <translation>Değişiklikler kaybolacak. Onaylıyor musunuz?</translation>
    </message>
</context>
<context>
    <name>CTransferPanel</name>
    <message>
        <source>Upload &amp;&amp; Download </source>
        <translation>Alma &amp;&amp; Gönderme </translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>UPLOAD (STB -&gt; PC)</source>
        <translation>AL (STB -&gt; PC)</translation>
    </message>
    <message>
        <source>DOWNLOAD (PC -&gt; STB)</source>
        <translation>GÖNDER (PC -&gt; STB)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DUR</translation>
    </message>
</context>
<context>
    <name>CTransponderAddDlg</name>
    <message>
        <source>Transponder Add</source>
        <translation>Transponder Ekle</translation>
    </message>
</context>
<context>
    <name>CTransponderCommands</name>
    <message>
        <source>Please choose the Transponder</source>
        <translation>Lütfen transponderi seçin</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder Ekle</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder Sil</translation>
    </message>
    <message>
        <source>Please choose the Satellite</source>
        <translation>Lütfen uyduyu seçin</translation>
    </message>
    <message>
        <source>Please choose only one Satellite</source>
        <translation>Lütfen yalnızca bir uydu seçin</translation>
    </message>
    <message>
        <source>Please choose only one Transponder</source>
        <translation>Lütfen yalnızca bir transponder seçin</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder Düzenle</translation>
    </message>
    <message>
        <source>Do you want to delete the current Transponder(s)?</source>
        <translation>Seçili transponder(lar)ı silmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>CTransponderEditDlg</name>
    <message>
        <source>Transponder Edit</source>
        <translation>Transponder Düzenle</translation>
    </message>
</context>
<context>
    <name>CTransponderUpdateCommand</name>
    <message>
        <source>Update Transponders</source>
        <translation>Transponderları Güncelle</translation>
    </message>
    <message>
        <source>The transponders already are as the checked rows have them: nothing was changed.</source>
        <translation>Transponderlar zaten işaretli satırlardaki gibi: hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1 is larger than any transponder list (%2 MiB).</source>
        <translation>%1 hiçbir transponder listesinin olamayacağı kadar büyük (%2 MiB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3

Nothing was changed.</source>
        <translation>%1, satır %2: %3

Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1 holds no satellite.</source>
        <translation>%1 hiç uydu içermiyor.</translation>
    </message>
</context>
<context>
    <name>CTransponderUpdateDlg</name>
    <message>
        <source>%1 (transponders: %2)</source>
        <translation>%1 (transponder: %2)</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Eklenecek</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Güncellenecek</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Değişmeyecek</translation>
    </message>
    <message>
        <source>Not in list</source>
        <translation>Listede yok</translation>
    </message>
    <message>
        <source>Skipped: DVB-S2</source>
        <translation>Atlanacak: DVB-S2</translation>
    </message>
    <message>
        <source>Skipped: not storable</source>
        <translation>Atlanacak: saklanamaz</translation>
    </message>
    <message>
        <source>Checked, it is deleted with its channels.</source>
        <translation>İşaretlenirse kanallarıyla birlikte silinir.</translation>
    </message>
    <message>
        <source>Include DVB-S&amp;2 transponders</source>
        <translation>DVB-S&amp;2 transponderlarını dahil et</translation>
    </message>
    <message>
        <source>Update Transponders</source>
        <translation>Transponderları Güncelle</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(seçin)</translation>
    </message>
    <message>
        <source>The receiver&apos;s records carry no delivery system: a DVB-S2 transponder is stored as any other.</source>
        <translation>Alıcının kayıtları iletim sistemi taşımaz: bir DVB-S2 transponderı diğerleri gibi saklanır.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>&amp;Source satellite</source>
        <translation>&amp;Kaynak uydu</translation>
    </message>
    <message>
        <source>&amp;Our satellite</source>
        <translation>&amp;Bizim uydu</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frekans (MHz)</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Symbol rate (kS/s)</source>
        <translation>Sembol oranı (kS/s)</translation>
    </message>
    <message>
        <source>Channels deleted with it</source>
        <translation>Birlikte silinen kanallar</translation>
    </message>
    <message>
        <source>&amp;Transponders: the checked rows are applied (Space checks or unchecks)</source>
        <translation>&amp;Transponderlar: işaretli satırlar uygulanır (Boşluk tuşu işaretler ya da işareti kaldırır)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>New Satellite &quot;%1&quot;</source>
        <translation>Yeni Uydu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No name of ours gives the position %1: choose our satellite, or a new one.</source>
        <translation>Uydularımızın hiçbirinin adı %1 konumunu vermiyor: uydumuzu ya da yeni bir uydu seçin.</translation>
    </message>
    <message>
        <source>The list gives no position for this satellite: choose ours, or a new one.</source>
        <translation>Liste bu uydu için konum vermiyor: bizim uyduyu ya da yeni bir uydu seçin.</translation>
    </message>
    <message>
        <source>Checked: %1 to add, %2 to update, %3 to delete with %4 channels. Unchanged: %5, not in the list: %6, skipped: %7.</source>
        <translation>İşaretli: %1 eklenecek, %2 güncellenecek, %3 tanesi %4 kanalla birlikte silinecek. Değişmeyen: %5, listede olmayan: %6, atlanan: %7.</translation>
    </message>
    <message>
        <source>Uncheck rows to add, or check rows not in the list to delete them with their channels.</source>
        <translation>Eklenecek satırların işaretini kaldırın ya da listede olmayan satırları kanallarıyla birlikte silmek için işaretleyin.</translation>
    </message>
    <message>
        <source>Transponders not in the list to delete: %1
Channels deleted with them: %2</source>
        <translation>Silinecek, listede olmayan transponderlar: %1
Birlikte silinen kanallar: %2</translation>
    </message>
    <message>
        <source>&amp;Delete and Apply</source>
        <translation>&amp;Sil ve uygula</translation>
    </message>
</context>
<context>
    <name>CVolmarenDoc</name>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>CVolmarenView</name>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>EKLE</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>SİL</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>Favorite Group &amp;&amp; System Edit</source>
        <translation>Favori Grup &amp;&amp; Sistem Düzenleme</translation>
    </message>
    <message>
        <source>Fav-Group</source>
        <translation>Fav-Grup</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Bul (Ctrl+F)</translation>
    </message>
    <message>
        <source>Channel UP</source>
        <translation>Kanal Yukarı</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal Aşağı</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>TV Channel</source>
        <translation>TV Kanalları</translation>
    </message>
    <message>
        <source>Radio Channel</source>
        <translation>Radyo Kanalları</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>ChannelCheckModel</name>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Trasnponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
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
        <translation>Ad</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreleme</translation>
    </message>
</context>
<context>
    <name>ChannelListFile</name>
    <message>
        <source>%1 is larger than any channel list (%2 MiB).</source>
        <translation>%1 herhangi bir kanal listesinden büyük (%2 MiB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3

Nothing was changed.</source>
        <translation>%1, satır %2: %3

Hiçbir şey değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>ChannelListPages</name>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favori grupları</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Kanal yok</translation>
    </message>
</context>
<context>
    <name>ChosenFile</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
</context>
<context>
    <name>DifferenceTexts</name>
    <message>
        <source>LNB power</source>
        <translation>LNB Gücü</translation>
    </message>
    <message>
        <source>LNB high</source>
        <translation>LNB Yüksek</translation>
    </message>
    <message>
        <source>LNB low</source>
        <translation>LNB Düşük</translation>
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
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruplar</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menü Dili</translation>
    </message>
    <message>
        <source>Display colour</source>
        <translation>Ekran Rengi</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Metin Rengi</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>no transponder</source>
        <translation>transponder yok</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grup %1</translation>
    </message>
    <message>
        <source>System settings</source>
        <translation>Sistem ayarları</translation>
    </message>
    <message>
        <source>(free)</source>
        <translation>(boş)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderlar</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favori grupları</translation>
    </message>
    <message>
        <source>added</source>
        <translation>eklenmiş</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>kaldırılmış</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>taşınmış</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>yeniden adlandırılmış</translation>
    </message>
    <message>
        <source>retuned</source>
        <translation>başka transpondera geçmiş</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değişmiş</translation>
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
        <translation>Sistem Bilgileri</translation>
    </message>
</context>
<context>
    <name>GroupForm</name>
    <message>
        <source>Favorite Group</source>
        <translation>Favori Grup</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>the pages could not be drawn</source>
        <translation>sayfalar çizilemedi</translation>
    </message>
    <message>
        <source>usage: volmaren --export-pdf OUT.pdf IMAGE</source>
        <translation>kullanım: volmaren --export-pdf OUT.pdf IMAGE</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>%1 port Connect OK</source>
        <translation>%1 bağlantı noktası bağlandı</translation>
    </message>
</context>
<context>
    <name>PrintedList</name>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
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
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>LNB Frequency</source>
        <translation>LNB Frekansı</translation>
    </message>
    <message>
        <source>0V/12V Control</source>
        <translation>0V/12V Kontrolü</translation>
    </message>
    <message>
        <source>13V/18V Control</source>
        <translation>13V/18V Kontrolü</translation>
    </message>
    <message>
        <source>22KHz Control</source>
        <translation>22KHz Kontrolü</translation>
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
        <translation>Trafik Günlüğünü Kaydet</translation>
    </message>
    <message>
        <source>Cannot write the traffic log to %1: %2</source>
        <translation>Trafik günlüğü %1 dosyasına yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>WARNING : Volmaren</source>
        <translation>UYARI : Volmaren</translation>
    </message>
    <message>
        <source>File is not STB Data image.</source>
        <translation>Dosya bir STB veri görüntüsü değil.</translation>
    </message>
    <message>
        <source>Save changes to current STB file?</source>
        <translation>Geçerli STB dosyasındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Satellite Count is full.</source>
        <translation>Uydu sayısı dolu.</translation>
    </message>
    <message>
        <source>Maximum number of 4000 Transponders can be Saved.</source>
        <translation>En fazla 4000 transponder kaydedilebilir.</translation>
    </message>
    <message>
        <source>TV Channel is full</source>
        <translation>TV kanal listesi dolu</translation>
    </message>
    <message>
        <source>Radio Channel is full</source>
        <translation>Radyo kanal listesi dolu</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Lütfen pozitif bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 65535.</source>
        <translation>Lütfen 0 ile 65535 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Satellite name is empty.</source>
        <translation>Uydu adı boş.</translation>
    </message>
    <message>
        <source>You don&apos;t input satellite information</source>
        <translation>Uydu bilgisi girmediniz</translation>
    </message>
    <message>
        <source>Transponder information is empty</source>
        <translation>Transponder bilgisi boş</translation>
    </message>
    <message>
        <source>Channel Information is empty.</source>
        <translation>Kanal bilgisi boş.</translation>
    </message>
    <message>
        <source>Channel Data is empty</source>
        <translation>Kanal verisi boş</translation>
    </message>
    <message>
        <source>Error : Set COM1 State</source>
        <translation>Hata : COM1 durumu ayarlanamadı</translation>
    </message>
    <message>
        <source>Error : Close COM Port</source>
        <translation>Hata : COM bağlantı noktası kapatılamadı</translation>
    </message>
    <message>
        <source>COM(%d) port Connect OK</source>
        <extracomment>%d is the number of the COM port; keep it as %d.</extracomment>
        <translation>COM(%d) bağlantı noktası bağlandı</translation>
    </message>
    <message>
        <source>COM port Connect OK</source>
        <translation>COM bağlantı noktası bağlandı</translation>
    </message>
    <message>
        <source>Permission denied: you may not open %1. Ask the administrator for access to it.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0.</extracomment>
        <translation>İzin reddedildi: %1 aygıtını açma izniniz yok. Erişim için sistem yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group %2. Add yourself to it with &quot;sudo usermod -aG %2 %3&quot;, then log out and back in.</source>
        <extracomment>%1 is the device, %2 the group owning it, %3 the user; keep the command as it is.</extracomment>
        <translation>İzin reddedildi: %1, %2 grubuna ait. Kendinizi &quot;sudo usermod -aG %2 %3&quot; ile bu gruba ekleyin, ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Device busy: %1 is in use by another program. Close that program (&quot;fuser -v %1&quot; names it), then connect again.</source>
        <extracomment>%1 is the device; keep the command as it is.</extracomment>
        <translation>Aygıt meşgul: %1 başka bir program tarafından kullanılıyor. O programı kapatın (&quot;fuser -v %1&quot; adını verir), ardından yeniden bağlanın.</translation>
    </message>
    <message>
        <source>No such device: %1. Check that the adapter is plugged in, or pick another port.</source>
        <extracomment>%1 is the device.</extracomment>
        <translation>Böyle bir aygıt yok: %1. Adaptörün takılı olduğunu denetleyin veya başka bir bağlantı noktası seçin.</translation>
    </message>
    <message>
        <source>Not a serial port: %1. Pick a port from the list of serial ports.</source>
        <extracomment>%1 is the device.</extracomment>
        <translation>Seri bağlantı noktası değil: %1. Seri bağlantı noktaları listesinden birini seçin.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <extracomment>%1 is the device, %2 the system&apos;s reason.</extracomment>
        <translation>%1 açılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 does not take 115200 baud, 8N1: %2.</source>
        <extracomment>%1 is the device, %2 the system&apos;s reason.</extracomment>
        <translation>%1 115200 baud, 8N1 ayarını kabul etmiyor: %2.</translation>
    </message>
    <message>
        <source>Reset your STB and Wait for uploading...</source>
        <translation>STB&apos;nizi sıfırlayın ve almanın başlamasını bekleyin...</translation>
    </message>
    <message>
        <source>Reset your STB and Wait for Downloading...</source>
        <translation>STB&apos;nizi sıfırlayın ve göndermenin başlamasını bekleyin...</translation>
    </message>
    <message>
        <source>Receiving DATA...</source>
        <translation>VERİ alınıyor...</translation>
    </message>
    <message>
        <source>(%d / %d) %d%%</source>
        <extracomment>Bytes received, bytes in all, and the percentage; keep the three %d in this order, and %% for the percent sign.</extracomment>
        <translation>(%d / %d) %%%d</translation>
    </message>
    <message>
        <source>Sending DATA...</source>
        <translation>VERİ gönderiliyor...</translation>
    </message>
    <message>
        <source>Interupted by User.  Please Reset your STB.</source>
        <translation>Kullanıcı tarafından kesildi. Lütfen STB&apos;nizi sıfırlayın.</translation>
    </message>
    <message>
        <source>Terminate by User. Please Reset your STB.</source>
        <translation>Kullanıcı tarafından sonlandırıldı. Lütfen STB&apos;nizi sıfırlayın.</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Gönderme tamamlandı</translation>
    </message>
    <message>
        <source>The last transfer is still ending. Please try again.</source>
        <translation>Son aktarım hâlâ sonlanıyor. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>The transfer could not start: no worker thread.</source>
        <translation>Aktarım başlatılamadı: çalışan iş parçacığı yok.</translation>
    </message>
    <message>
        <source>No downloading data has been selected</source>
        <translation>Gönderilecek veri seçilmedi</translation>
    </message>
    <message>
        <source>STB image File don&apos;t saved</source>
        <translation>STB görüntü dosyası kaydedilmedi</translation>
    </message>
    <message>
        <source>Invalid System Code</source>
        <translation>Geçersiz Sistem Kodu</translation>
    </message>
    <message>
        <source>Notice : Your current Bouquet data will be initialized</source>
        <translation>Uyarı : Mevcut buket verileriniz sıfırlanacak</translation>
    </message>
    <message>
        <source>&apos;All Satellite&apos;</source>
        <translation>&apos;Tüm Uydular&apos;</translation>
    </message>
    <message>
        <source>&apos;All Transponder&apos;</source>
        <translation>&apos;Tüm Transponderler&apos;</translation>
    </message>
    <message>
        <source>FTA</source>
        <extracomment>Free to air: not scrambled.</extracomment>
        <translation>FTA</translation>
    </message>
    <message>
        <source>standard</source>
        <extracomment>The standard CA system.</extracomment>
        <translation>standart</translation>
    </message>
    <message>
        <source>reserved</source>
        <extracomment>A reserved CA system.</extracomment>
        <translation>ayrılmış</translation>
    </message>
    <message>
        <source>LEFT</source>
        <extracomment>Audio channel.</extracomment>
        <translation>SOL</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <extracomment>Audio channel.</extracomment>
        <translation>SAĞ</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>STEREO</translation>
    </message>
    <message>
        <source>NoGroup</source>
        <extracomment>The channel is in no favourite group.</extracomment>
        <translation>Grup yok</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AÇIK</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>KAPALI</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Heading of the channel number.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreleme</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Buket</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
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
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Standard Universal</source>
        <extracomment>An LNB type.</extracomment>
        <translation>Standart Universal</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>Voltage or 22 kHz tone chosen by the receiver.</extracomment>
        <translation>OTO</translation>
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
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A CA system.</extracomment>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Reserved</source>
        <extracomment>A CA system.</extracomment>
        <translation>Ayrılmış</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The receiver&apos;s menu language.</extracomment>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Germany</source>
        <extracomment>The receiver&apos;s menu language German.</extracomment>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumence</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Arnavutça</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarca</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Sırpça</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Farsça</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>İsveççe</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour of the receiver&apos;s menus.</extracomment>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>kapanış tırnağından sonra metin var</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>tırnak içindeki bir alan kapatılmamış</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>tırnakla başlamayan bir alanın içinde tırnak var</translation>
    </message>
    <message>
        <source>a carriage return outside quotes</source>
        <translation>tırnak dışında satır başı karakteri (CR) var</translation>
    </message>
    <message>
        <source>the first row must be the header %1</source>
        <extracomment>%1 is the header row of the CSV file; it stays as it is.</extracomment>
        <translation>ilk satır şu başlık olmalıdır: %1</translation>
    </message>
    <message>
        <source>%1 columns where the header has %2</source>
        <extracomment>%1 is the number of columns in a row, %2 the number in the header.</extracomment>
        <translation>başlıkta %2 sütun varken satırda %1 sütun var</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <extracomment>%1 is a column of the CSV file, named as in its header (name, bouquet...).</extracomment>
        <translation>%1 sütunu UTF-8 metni değil</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; has a character the receiver cannot store (only Latin-1 ones)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text.</extracomment>
        <translation>%1 &apos;%2&apos; alıcının saklayamadığı bir karakter içeriyor (yalnızca Latin-1 karakterleri)</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <extracomment>%1 is a column of the CSV file, named as in its header.</extracomment>
        <translation>%1 sütunu bir NUL karakteri içeriyor</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is longer than the receiver stores (%3 characters)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text; %3 the most characters the receiver stores.</extracomment>
        <translation>%1 &apos;%2&apos; alıcının sakladığından uzun (%3 karakter)</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 to %4</source>
        <extracomment>%1 is a column of the CSV file, named as in its header, or an attribute or key of a transponder list (position, FREQUENCY...), which stays as it is; %2 the text; %3 and %4 the least and the greatest number.</extracomment>
        <translation>%1 &apos;%2&apos;, %3 ile %4 arasında bir sayı değil</translation>
    </message>
    <message>
        <source>frequency_mhz &apos;%1&apos; is not a frequency in MHz (at most three decimals)</source>
        <extracomment>frequency_mhz is the column&apos;s name in the CSV file: keep it. %1 is the cell&apos;s text.</extracomment>
        <translation>frequency_mhz &apos;%1&apos; MHz cinsinden bir frekans değil (en çok üç ondalık basamak)</translation>
    </message>
    <message>
        <source>unknown %1 &apos;%2&apos; (%3 or %4)</source>
        <extracomment>%1 is a column of the CSV file, named as in its header; %2 the cell&apos;s text; %3 and %4 the two words the column takes, which stay as they are.</extracomment>
        <translation>bilinmeyen %1 değeri &apos;%2&apos; (%3 veya %4)</translation>
    </message>
    <message>
        <source>symbol_rate and polarization need a frequency</source>
        <extracomment>symbol_rate, polarization and frequency are columns of the CSV file: keep symbol_rate and polarization as they are.</extracomment>
        <translation>symbol_rate ve polarization için bir frekans gerekir</translation>
    </message>
    <message>
        <source>unknown scramble &apos;%1&apos;</source>
        <extracomment>scramble is a column of the CSV file: keep it. %1 is the cell&apos;s text.</extracomment>
        <translation>bilinmeyen scramble değeri &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown audio &apos;%1&apos; (STEREO, RIGHT or LEFT)</source>
        <extracomment>audio is a column of the CSV file; it and STEREO, RIGHT, LEFT stay as they are. %1 is the cell&apos;s text.</extracomment>
        <translation>bilinmeyen audio değeri &apos;%1&apos; (STEREO, RIGHT veya LEFT)</translation>
    </message>
    <message>
        <source>unknown group &apos;%1&apos;</source>
        <extracomment>%1 is the name of a favourite group.</extracomment>
        <translation>bilinmeyen grup &apos;%1&apos;</translation>
    </message>
    <message>
        <source>group &apos;%1&apos; cannot be created: a group name has 1 to 7 characters</source>
        <extracomment>%1 is the name of a favourite group.</extracomment>
        <translation>&apos;%1&apos; grubu oluşturulamıyor: bir grup adı 1 ile 7 karakter arasındadır</translation>
    </message>
    <message>
        <source>no transponder with this satellite, frequency and polarization</source>
        <extracomment>Why a row of an imported list adds no channel.</extracomment>
        <translation>bu uydu, frekans ve polarizasyona sahip transponder yok</translation>
    </message>
    <message>
        <source>its channel is there already</source>
        <extracomment>Why a row of an imported list adds no channel: an earlier row added it.</extracomment>
        <translation>kanalı zaten var</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>uydu %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>transponder %1</translation>
    </message>
    <message>
        <source>tv channel %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>TV kanalı %1</translation>
    </message>
    <message>
        <source>radio channel %1</source>
        <extracomment>A record of the image, named by the image check; %1 is its index.</extracomment>
        <translation>radyo kanalı %1</translation>
    </message>
    <message>
        <source>group %1</source>
        <extracomment>A favourite group record of the image; %1 is its index.</extracomment>
        <translation>grup %1</translation>
    </message>
    <message>
        <source>system block</source>
        <extracomment>The record of the receiver&apos;s settings and counts in the image.</extracomment>
        <translation>sistem bloğu</translation>
    </message>
    <message>
        <source>missing end record</source>
        <extracomment>The table&apos;s end record is missing.</extracomment>
        <translation>bitiş kaydı eksik</translation>
    </message>
    <message>
        <source>slot after the end is not empty</source>
        <translation>sondan sonraki yer boş değil</translation>
    </message>
    <message>
        <source>deleted record left in the table</source>
        <translation>silinmiş kayıt tabloda kalmış</translation>
    </message>
    <message>
        <source>deleted bouquet entry left in the table</source>
        <translation>silinmiş buket girdisi tabloda kalmış</translation>
    </message>
    <message>
        <source>bouquet entry after the end is not zero</source>
        <translation>sondan sonraki buket girdisi sıfır değil</translation>
    </message>
    <message>
        <source>index field is %1, not its position</source>
        <extracomment>%1 is the number the record&apos;s index field holds.</extracomment>
        <translation>indeks alanı %1, kendi konumu değil</translation>
    </message>
    <message>
        <source>names satellite %1, which does not exist</source>
        <extracomment>%1 is the index of a satellite.</extracomment>
        <translation>var olmayan %1 numaralı uyduyu gösteriyor</translation>
    </message>
    <message>
        <source>names transponder %1, which does not exist</source>
        <extracomment>%1 is the index of a transponder.</extracomment>
        <translation>var olmayan %1 numaralı transponderi gösteriyor</translation>
    </message>
    <message>
        <source>name has no NUL</source>
        <extracomment>The name fills its field without the terminating NUL byte.</extracomment>
        <translation>adın sonunda NUL yok</translation>
    </message>
    <message>
        <source>bouquet name has no NUL</source>
        <translation>buket adının sonunda NUL yok</translation>
    </message>
    <message>
        <source>member of unnamed group %1</source>
        <extracomment>%1 lists the numbers of the groups.</extracomment>
        <translation>adsız grup %1 üyesi</translation>
    </message>
    <message>
        <source>groupsInUse is %1, the named groups make %2</source>
        <extracomment>groupsInUse is the name of a field: keep it. %1 and %2 are hexadecimal numbers.</extracomment>
        <translation>groupsInUse %1, adlandırılmış gruplara göre %2 olmalı</translation>
    </message>
    <message>
        <source>same transponder and PIDs as tv channel %1</source>
        <extracomment>%1 is the slot of the earlier channel; PIDs are its packet identifiers.</extracomment>
        <translation>TV kanalı %1 ile aynı transponder ve PID&apos;ler</translation>
    </message>
    <message>
        <source>same transponder and PIDs as radio channel %1</source>
        <extracomment>%1 is the slot of the earlier channel; PIDs are its packet identifiers.</extracomment>
        <translation>radyo kanalı %1 ile aynı transponder ve PID&apos;ler</translation>
    </message>
    <message>
        <source>%1 is %2, the upkeep makes it %3</source>
        <extracomment>%1 is the name of a field of the record, which stays as it is; %2 its value, %3 the value the upkeep (the recount of the counts and positions) computes.</extracomment>
        <translation>%1 değeri %2, yeniden hesaplama %3 veriyor</translation>
    </message>
    <message>
        <source>position pair of satellite %1 is %2, the upkeep makes it %3</source>
        <extracomment>%1 is the index of a satellite; %2 and %3 are pairs &quot;(tv, radio)&quot; of list positions; the upkeep recounts the counts and positions.</extracomment>
        <translation>uydu %1 konum çifti %2, yeniden hesaplama %3 veriyor</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the path of something that is no file (a folder, say).</extracomment>
        <translation>%1: normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1: okunamıyor</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>%1: yazılamıyor</translation>
    </message>
    <message>
        <source>%1: nothing written</source>
        <extracomment>%1 is the file&apos;s path: writing to it stored no byte.</extracomment>
        <translation>%1: hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1: cannot be read for its backup</source>
        <extracomment>%1 is the path of the file that was to be kept as a backup.</extracomment>
        <translation>%1: yedeği için okunamıyor</translation>
    </message>
    <message>
        <source>%1: the file was saved, but its backup could not be kept: %2</source>
        <extracomment>%1 is the path of the backup (ending in .bak), %2 the system&apos;s reason.</extracomment>
        <translation>%1: dosya kaydedildi, ancak yedeği saklanamadı: %2</translation>
    </message>
    <message>
        <source>tv &apos;%1&apos;</source>
        <extracomment>A TV channel; %1 is its name.</extracomment>
        <translation>TV &apos;%1&apos;</translation>
    </message>
    <message>
        <source>radio &apos;%1&apos;</source>
        <extracomment>A radio channel; %1 is its name.</extracomment>
        <translation>radyo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Download complete. Reset your STB and Wait for verifying...</source>
        <translation>Gönderme tamamlandı. STB&apos;nizi sıfırlayın ve doğrulamanın başlamasını bekleyin...</translation>
    </message>
    <message>
        <source>Verified: the receiver holds exactly what was sent.</source>
        <translation>Doğrulandı: alıcı tam olarak gönderileni içeriyor.</translation>
    </message>
    <message>
        <source>Not verified: the receiver holds other data than what was sent.</source>
        <translation>Doğrulanamadı: alıcı gönderilenden farklı veriler içeriyor.</translation>
    </message>
    <message>
        <source>Download complete, but not verified: the read-back was stopped. Please Reset your STB.</source>
        <translation>Gönderme tamamlandı, ancak doğrulanmadı: geri okuma durduruldu. Lütfen STB&apos;nizi sıfırlayın.</translation>
    </message>
    <message>
        <source>The image read from the receiver was not kept in the receiver history: %1</source>
        <extracomment>%1 is why: a path and the system&apos;s reason, e.g. &quot;/home/ana/.local/share/volmaren/receiver: Permission denied&quot;.</extracomment>
        <translation>Alıcıdan okunan görüntü alıcı geçmişinde saklanmadı: %1</translation>
    </message>
    <message>
        <source>The receiver history could not remove its oldest image: %1</source>
        <extracomment>%1 is why: the oldest image&apos;s path and the system&apos;s reason.</extracomment>
        <translation>Alıcı geçmişi en eski görüntüsünü silemedi: %1</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken tag</source>
        <extracomment>A file that should be XML (a satellites.xml transponder list) breaks its rules.</extracomment>
        <translation>iyi biçimlendirilmiş XML değil: bozuk bir etiket</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken attribute</source>
        <translation>iyi biçimlendirilmiş XML değil: bozuk bir öznitelik</translation>
    </message>
    <message>
        <source>not well-formed XML: an element that is not closed, or closed by another end tag</source>
        <translation>iyi biçimlendirilmiş XML değil: kapatılmamış ya da başka bir bitiş etiketiyle kapatılmış bir öğe</translation>
    </message>
    <message>
        <source>not well-formed XML: a broken comment, CDATA section, declaration or text</source>
        <translation>iyi biçimlendirilmiş XML değil: bozuk bir yorum, CDATA bölümü, bildirim ya da metin</translation>
    </message>
    <message>
        <source>no XML element</source>
        <translation>XML öğesi yok</translation>
    </message>
    <message>
        <source>too large to read</source>
        <extracomment>A transponder list file that takes more memory than there is.</extracomment>
        <translation>okunamayacak kadar büyük</translation>
    </message>
    <message>
        <source>the first element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first XML element; keep &lt;satellites&gt; as it is.</extracomment>
        <translation>ilk öğe &lt;%1&gt;, &lt;satellites&gt; değil</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no %2 attribute</source>
        <extracomment>%1 is an XML element (sat, transponder), %2 an attribute (name, position, frequency...); both stay as they are.</extracomment>
        <translation>&lt;%1&gt; öğesinin %2 özniteliği yok</translation>
    </message>
    <message>
        <source>neither [NAME] nor KEY = VALUE</source>
        <extracomment>A line of a dvbv5 channel file; keep [NAME] and KEY = VALUE as they are.</extracomment>
        <translation>ne [NAME] ne de KEY = VALUE</translation>
    </message>
    <message>
        <source>KEY = VALUE before the first [NAME]</source>
        <extracomment>Keep KEY = VALUE and [NAME] as they are.</extracomment>
        <translation>ilk [NAME] öncesinde KEY = VALUE</translation>
    </message>
    <message>
        <source>[%1] has no %2</source>
        <extracomment>%1 is the name of a block of a dvbv5 channel file, %2 a key it lacks (FREQUENCY...), which stays as it is.</extracomment>
        <translation>[%1] içinde %2 yok</translation>
    </message>
    <message>
        <source>DELIVERY_SYSTEM &apos;%1&apos; is neither DVBS nor DVBS2</source>
        <extracomment>%1 is the value of the line; keep DELIVERY_SYSTEM, DVBS and DVBS2 as they are.</extracomment>
        <translation>DELIVERY_SYSTEM &apos;%1&apos; ne DVBS ne de DVBS2</translation>
    </message>
    <message>
        <source>POLARIZATION &apos;%1&apos; is not HORIZONTAL, VERTICAL, LEFT or RIGHT</source>
        <extracomment>%1 is the value of the line; keep POLARIZATION and the four words as they are.</extracomment>
        <translation>POLARIZATION &apos;%1&apos; HORIZONTAL, VERTICAL, LEFT ya da RIGHT değil</translation>
    </message>
    <message>
        <source>%1 transponders to add, but the transponder table has room for %2: nothing was changed</source>
        <extracomment>%1 is how many transponders an update would add, %2 how many more the receiver&apos;s transponder table holds.</extracomment>
        <translation>eklenecek %1 transponder var, ama transponder tablosunda %2 transponderlik yer var: hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>the list is not UTF-8 text: it was read as Windows-1252</source>
        <extracomment>Windows-1252 is the name of the Western European Windows code page; keep it.</extracomment>
        <translation>liste UTF-8 metni değil: Windows-1252 olarak okundu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be added: it is on no transponder.</source>
        <extracomment>%1 is the name of a channel of the other image or list.</extracomment>
        <translation>&apos;%1&apos; eklenemiyor: hiçbir transponder üzerinde değil.</translation>
    </message>
    <message>
        <source>The transponder %1 cannot be added: it belongs to no satellite.</source>
        <extracomment>%1 is the transponder&apos;s frequency in MHz and its polarization (H or V), e.g. &quot;11362 H&quot;.</extracomment>
        <translation>%1 transponderi eklenemiyor: hiçbir uyduya ait değil.</translation>
    </message>
    <message>
        <source>The group &apos;%1&apos; cannot be created: every favourite group is in use.</source>
        <extracomment>%1 is the name of a favourite group that a channel list names.</extracomment>
        <translation>&apos;%1&apos; grubu oluşturulamıyor: tüm favori grupları kullanımda.</translation>
    </message>
</context>
<context>
    <name>TransponderForm</name>
    <message>
        <source>Satellite Name</source>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarizasyon</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>STB images (*.dat);;All files (*)</source>
        <translation>STB görüntüleri (*.dat);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv);;All files (*)</source>
        <translation>Kanal listeleri (*.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>STB images and channel lists (*.dat *.csv);;All files (*)</source>
        <translation>STB görüntüleri ve kanal listeleri (*.dat *.csv);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Transponder lists (*.xml *.conf *.[0-9]E *.[0-9]W);;All files (*)</source>
        <translation>Transponder listeleri (*.xml *.conf *.[0-9]E *.[0-9]W);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>STB images, backups and channel lists (*.dat *.bak *.csv);;All files (*)</source>
        <translation>STB görüntüleri, yedekler ve kanal listeleri (*.dat *.bak *.csv);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>VerifyOutcome</name>
    <message>
        <source>receiver</source>
        <extracomment>The compare window after Download and Verify: what the receiver holds against what was sent.</extracomment>
        <translation>alıcı</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gönderilen</translation>
    </message>
    <message>
        <source>Download and Verify</source>
        <translation>Gönder ve Doğrula</translation>
    </message>
    <message>
        <source>Records that differ: %1</source>
        <translation>Farklı kayıtlar: %1</translation>
    </message>
</context>
</TS>
