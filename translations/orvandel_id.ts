<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>orvandel::CoreTexts</name>
    <message>
        <source>Fajr</source>
        <translation>Subuh</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Terbit</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Zuhur</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Magrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isya</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>Muharam</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rabiulawal</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rabiulakhir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Jumadilawal</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jumadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rajab</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>Syakban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Syawal</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>Zulkaidah</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>Zulhijah</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Liga Muslim Dunia</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Otoritas Survei Umum Mesir</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>Universitas Ilmu Islam Karachi</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>Umm Al-Qura</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Syafii</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>aturan 48 derajat</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>lintang tinggi: tengah malam</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>lintang tinggi: sepertujuh malam</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>lintang tinggi: sudut senja</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (lembar kerja)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (program kalender)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Berkas JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Berkas iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arab Saudi</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Timur Tengah</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>Afrika</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>Amerika</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>Asia</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Eropa</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Oseania</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>Abha</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>Buraidah</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>Dammam</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>Jeddah</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>Madinah</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>Makkah</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>Riyadh</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>Tabuk</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>Taif</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>Abu Dhabi</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>Amman</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>Bagdad</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>Beirut</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>Damaskus</translation>
    </message>
    <message>
        <source>Doha</source>
        <translation>Doha</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubai</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>Istanbul</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Yerusalem</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>Kota Kuwait</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>Muskat</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>Sana&apos;a</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>Aljir</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>Asmara</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>Bamako</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Kairo</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>Dakar</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>Jibuti</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>Khartoum</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>Lagos</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>Marrakesh</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>Mogadishu</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>Nouakchott</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>Tripoli</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>Tunis</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>Bogota</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>Dallas</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>Los Angeles</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>Kota Meksiko</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>Miami</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>Montreal</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>Santiago</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>Sao Paulo</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>Toronto</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>Vancouver</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>Ashgabat</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Beijing</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dhaka</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>Jakarta</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>Kuala Lumpur</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>New Delhi</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>Yangon</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapura</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>Bukares</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>Kopenhagen</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>Frankfurt</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>Kyiv</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>Lisboa</translation>
    </message>
    <message>
        <source>London</source>
        <translation>London</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>Madrid</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskwa</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>Roma</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>Sarajevo</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Wina</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>Warsawa</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>Auckland</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>Christchurch</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>Melbourne</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>Nouméa</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>Perth</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Kawasan Teluk</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>Kementerian Wakaf Kuwait</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>Kementerian Wakaf Qatar</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>Urusan Islam dan Wakaf UEA (Dubai)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS Singapura</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM Malaysia</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag RI</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet Turki</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF Prancis</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Administrasi Spiritual Muslim Rusia</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>Institut Geofisika, Teheran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>Syiah Itsna Asyariyah (Jafari)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>Kementerian Wakaf Maroko</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>Kementerian Agama Aljazair</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>Kementerian Agama Tunisia</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>Kementerian Wakaf Yordania</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Komite Rukyatul Hilal Sedunia</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>Satu sumber efemeris gagal diperiksa (rincian di tooltip, dalam bahasa Inggris)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>Penyesuaian</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 menit</translation>
    </message>
    <message>
        <source> min</source>
        <translation> mnt</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tanggal Hijriah</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>Hari tanggal Hijriah</translation>
    </message>
    <message>
        <source> days</source>
        <translation> hari</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Lintang tinggi</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - laporan galat</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel mengalami galat yang tidak terduga. Jendela tetap berfungsi, tetapi tabel mungkin masih menampilkan pekan dan tempat sebelum perubahan. Laporan di bawah menjelaskan apa yang salah dan di mana: salin, simpan, cetak, atau kirim untuk meneruskannya.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Salin laporan</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>Simpan sebagai berkas teks...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Cetak...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>Kirim...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>Simpan laporan galat</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Berkas teks (*.txt);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Laporan tidak dapat ditulis ke %1.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>Cetak laporan galat</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>Tidak ada program surel yang menanggapi. Laporan lengkap ada di papan klip; Anda juga dapat menyimpannya dengan &quot;Simpan sebagai berkas teks...&quot; dan melampirkan berkasnya ke pesan.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>disk penuh</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>berkas tidak tertulis seluruhnya</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>Gunakan panah Atas/Bawah untuk berpindah satu hari.
Gunakan PageUp dan PageDown untuk berpindah satu bulan.
Gunakan SHIFT+PageUp atau SHIFT+PageDown untuk berpindah satu tahun.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>Gurub</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>Cara lama menghitung waktu, dengan pukul 12:00 jatuh
pada saat matahari terbenam. Cara ini hanya dipakai di
Arab Saudi, yang menghitung waktu salat dengan metode
Umm Al-Qura; dengan pilihan ini Magrib selalu pukul 12:00
dan Isya selalu pukul 1:30 (atau 2:00 selama Ramadan).</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 jam</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>Ihtiyat</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>Bulatkan</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>Kanan-kiri</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* Tanggal Hijriah ditetapkan otoritas setempat sehingga dapat berbeda sehari dari perhitungan astronomis di atas</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinat</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Lintang</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Bujur</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>jam</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>mnt</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Ketinggian</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>Jam GMT</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>Menit GMT</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>Metode Perhitungan Waktu Salat</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Mazhab Asar</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> Kota </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - jadwal salat mingguan, dari pengembang Orvandel</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>tanpa tanggal Hijriah</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: waktu menurut jam zona ini, termasuk waktu musim panas; tanpa centang, menurut selisih GMT tetap</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>tak terbaca: GMT tetap</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>%1 tetap</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>Tempat tersimpan tidak dipakai: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>Tempat tidak tersimpan: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>Tempat tersimpan tidak terhapus: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Lainnya:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>Metode perhitungan lain</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>Metode perhitungan lain:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>Lintang %1 sampai %2 derajat pada ketinggian ini: di luar itu matahari tidak terbit atau tidak terbenam pada beberapa hari dalam setahun</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>Ketinggian hingga %1 m pada lintang ini: lebih tinggi lagi, matahari tidak terbit atau tidak terbenam pada beberapa hari dalam setahun</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>Cari kota</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>Cari kota menurut nama</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>Setiap kota berpenduduk 15.000 jiwa atau lebih: letaknya, jamnya, dan metode negaranya. &quot;Nama, negara&quot; atau &quot;Nama, wilayah&quot; mempersempit pencarian.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>Kota yang ditemukan</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 terletak di lintang %L2, di luar batas %L3 derajat yang dapat dihitung untuk tabel.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>Tidak ada kota dengan nama itu</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>Simpan jadwal</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>Pekan yang ditampilkan</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>Bulan, %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>Hari sejak %1:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>tanpa tanggal Hijriah</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Pekan sebelumnya</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Pekan berikutnya</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Pekan ini</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Simpan sebagai…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Cetak…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>Cetak bulan…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>Penyesuaian…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>zona %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>ketinggian %1 m</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>Asar %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>dengan ihtiyat</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>tanpa ihtiyat</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>menit dibulatkan</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>menit dipotong</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>format 12 jam</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>format 24 jam</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>waktu gurub</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 mnt</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>tanggal Hijriah %1 hari</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijriah</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%n hari sejak %1 melewati %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>hari yang diminta di luar tahun 1 sampai 9999</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>Simpan jadwal</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>Jadwal tidak dapat disimpan ke %1: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>Jadwal salat, %1 sampai %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>Jadwal salat, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>pencetakan tidak dapat dimulai</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>pencetak melaporkan galat</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>Jadwal tidak dapat dicetak pada %1: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>Jadwal tidak dapat dicetak ke %1: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>Cetak pekan</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>Cetak bulan</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>Buka di tempat ini lain kali</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>Jadwal salat</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>Jadwal salat sepekan, satu hari per baris. Tombol panah berpindah antarwaktu; tombol Menu membuka perintah untuk pekan ini.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s civil date, its Hijri date</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>orvandel::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as in its file name: ar, fa, pt_BR.</extracomment>
        <translation>id</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>ddd, d MMM yyyy</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>ddd, d MMM yyyy</translation>
    </message>
</context>
</TS>
