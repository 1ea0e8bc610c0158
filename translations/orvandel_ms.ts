<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
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
        <translation>Syuruk</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Zohor</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asar</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Isyak</translation>
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
        <translation>Jamadilawal</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jamadilakhir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Rejab</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>Syaaban</translation>
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
        <translation>Zulkaedah</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>Zulhijah</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Liga Dunia Islam</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Pihak Berkuasa Ukur Am Mesir</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>Universiti Sains Islam Karachi</translation>
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
        <translation>Syafie</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafi</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>peraturan 48 darjah</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>latitud tinggi: tengah malam</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>latitud tinggi: satu pertujuh malam</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>latitud tinggi: sudut senja</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (hamparan)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (program kalendar)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fail CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fail JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fail iCalendar (*.ics)</translation>
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
        <translation>Eropah</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Oceania</translation>
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
        <translation>Baghdad</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>Beirut</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>Damsyik</translation>
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
        <translation>Baitulmaqdis</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>Bandar Kuwait</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>Muscat</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>Sanaa</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Tehran</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>Algiers</translation>
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
        <translation>Kaherah</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>Dakar</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>Djibouti</translation>
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
        <translation>Mexico City</translation>
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
        <translation>Bucharest</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>Copenhagen</translation>
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
        <translation>Lisbon</translation>
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
        <translation>Moscow</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>Sarajevo</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienna</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>Warsaw</translation>
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
        <translation>Noumea</translation>
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
        <translation>Rantau Teluk</translation>
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
        <translation>Hal Ehwal Islam dan Wakaf UAE (Dubai)</translation>
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
        <translation>Kemenag Indonesia</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet Turki</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF Perancis</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Pentadbiran Rohani Muslim Rusia</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>Institut Geofizik, Tehran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>Syiah Isna Asyariah (Jaafari)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>Kementerian Wakaf Maghribi</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>Kementerian Hal Ehwal Agama Algeria</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>Kementerian Hal Ehwal Agama Tunisia</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>Kementerian Wakaf Jordan</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Jawatankuasa Rukyah Hilal Sedunia</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>Satu sumber efemeris gagal semakan (butiran dalam petua alat, dalam bahasa Inggeris)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>Pelarasan</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minit</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Tarikh Hijrah</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>Hari tarikh Hijrah</translation>
    </message>
    <message>
        <source> days</source>
        <translation> hari</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Latitud tinggi</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - laporan ralat</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel menemui ralat yang tidak dijangka. Tetingkap masih berfungsi, tetapi jadual mungkin masih memaparkan minggu dan tempat sebelum perubahan. Laporan di bawah menerangkan apa yang salah dan di mana: salin, simpan, cetak atau hantar untuk menyampaikannya.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Salin laporan</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>Simpan sebagai fail teks...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Cetak...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>Hantar...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>Simpan laporan ralat</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fail teks (*.txt);;Semua fail (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Laporan tidak dapat ditulis ke %1.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>Cetak laporan ralat</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>Tiada program e-mel yang menjawab. Laporan penuh ada di papan keratan; anda juga boleh menyimpannya dengan &quot;Simpan sebagai fail teks...&quot; dan melampirkan fail itu pada mesej.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>cakera penuh</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>fail tidak ditulis sepenuhnya</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>Gunakan anak panah Atas/Bawah untuk beralih sehari.
Gunakan PageUp dan PageDown untuk beralih sebulan.
Gunakan SHIFT+PageUp atau SHIFT+PageDown untuk beralih setahun.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>Ghurub</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>Cara lama mengira waktu, dengan pukul 12:00 jatuh pada
waktu matahari terbenam. Cara ini hanya digunakan di
Arab Saudi, yang mengira waktu solat dengan kaedah
Umm Al-Qura; dengan pilihan ini Maghrib sentiasa pukul 12:00
dan Isyak sentiasa pukul 1:30 (atau 2:00 dalam Ramadan).</translation>
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
        <translation>Bundarkan</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>Kanan-kiri</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* Tarikh Hijrah ditetapkan oleh pihak berkuasa tempatan dan mungkin berbeza sehari daripada kiraan astronomi di atas</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinat</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
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
        <translation>min</translation>
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
        <translation>Minit GMT</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>Kaedah Pengiraan Waktu Solat</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Mazhab Asar</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> Bandar </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - waktu solat mingguan, oleh pembangun Orvandel</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>tiada tarikh Hijrah</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: waktu mengikut jam zon ini, termasuk waktu musim panas; tanpa tanda, mengikut beza GMT tetap</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>tidak terbaca: GMT tetap</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>%1 tetap</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>Tempat tersimpan tidak digunakan: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>Tempat tidak disimpan: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>Tempat tersimpan tidak dipadam: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Lain:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>Kaedah pengiraan lain</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>Kaedah pengiraan lain:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>Latitud %1 hingga %2 darjah pada ketinggian ini: di luarnya matahari tidak terbit atau tidak terbenam pada sesetengah hari dalam setahun</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>Ketinggian hingga %1 m pada latitud ini: lebih tinggi lagi, matahari tidak terbit atau tidak terbenam pada sesetengah hari dalam setahun</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>Cari bandar</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>Cari bandar mengikut nama</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>Mana-mana bandar berpenduduk 15,000 orang atau lebih: kedudukannya, jamnya dan kaedah negaranya. &quot;Nama, negara&quot; atau &quot;Nama, wilayah&quot; mengecilkan carian.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>Bandar yang ditemui</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 terletak pada latitud %L2, melebihi had %L3 darjah yang boleh dikira untuk jadual.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>Tiada bandar dengan nama itu</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>Simpan jadual</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>Minggu yang dipaparkan</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>Bulan, %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>Hari dari %1:</translation>
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
        <translation>tiada tarikh Hijrah</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Minggu sebelumnya</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Minggu berikutnya</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Minggu ini</translation>
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
        <translation>Pelarasan…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>zon %1</translation>
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
        <translation>minit dibundarkan</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>minit dipangkas</translation>
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
        <translation>waktu ghurub</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 min</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>tarikh Hijrah %1 hari</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarikh</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hijrah</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%n hari dari %1 melepasi %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>hari yang diminta di luar tahun 1 hingga 9999</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>Simpan jadual</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>Jadual tidak dapat disimpan ke %1: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>Waktu solat, %1 hingga %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>Waktu solat, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>pencetakan tidak dapat dimulakan</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>pencetak melaporkan ralat</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>Jadual tidak dapat dicetak pada %1: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>Jadual tidak dapat dicetak ke %1: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>Cetak minggu</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>Cetak bulan</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>Buka pada tempat ini lain kali</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>Waktu solat</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>Waktu solat seminggu, sehari sebaris. Kekunci anak panah beralih antara waktu; kekunci Menu membuka arahan untuk minggu ini.</translation>
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
        <translation>ms</translation>
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
