<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
        <translation>İmsak</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Güneş</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Öğle</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>İkindi</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Akşam</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Yatsı</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>Muharrem</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safer</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rebiülevvel</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rebiülahir</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Cem. evvel</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Cem. ahir</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Recep</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>Şaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramazan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Şevval</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>Zilkade</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>Zilhicce</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Dünya İslam Birliği</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Mısır Genel Harita Kurumu</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>Karaçi İslami İlimler Üniversitesi</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>Ümmü&apos;l-Kurâ</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Şafii (standart)</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanefi</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>48 derece kuralı</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>yüksek enlemde gece yarısı</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>yüksek enlemde gecenin yedide biri</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>yüksek enlemde şafak açısı</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (hesap tabloları)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (takvim programları)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON dosyaları (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar dosyaları (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Suudi Arabistan</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Orta Doğu</translation>
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
        <translation>Asya</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Avrupa</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Okyanusya</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>Ebha</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>Bureyde</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>Dammam</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>Cidde</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>Medine</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>Mekke</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>Riyad</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>Tebük</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>Taif</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>Abu Dabi</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>Amman</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>Bağdat</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>Beyrut</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>Şam</translation>
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
        <translation>İstanbul</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>Kudüs</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>Kuveyt</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>Maskat</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>Sana</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Tahran</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>Cezayir</translation>
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
        <translation>Kahire</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>Dakar</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>Cibuti</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>Hartum</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>Lagos</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>Marakeş</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>Mogadişu</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>Nuakşot</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>Trablus</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>Tunus</translation>
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
        <translation>Meksiko</translation>
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
        <translation>São Paulo</translation>
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
        <translation>Aşkabat</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Pekin</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dakka</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>İslamabad</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>Cakarta</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabil</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>Kuala Lumpur</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>Yeni Delhi</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>Rangun</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>Bükreş</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>Kopenhag</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>Frankfurt</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>Kiev</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>Lizbon</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londra</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>Madrid</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskova</translation>
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
        <translation>Saraybosna</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Viyana</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>Varşova</translation>
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
        <translation>Sidney</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>Körfez Bölgesi</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>Kuveyt Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>Katar Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>BAE İslami İşler ve Evkaf (Dubai)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS Singapur</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM Malezya</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag Endonezya</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet İşleri Başkanlığı</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF Fransa</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Rusya Müslümanları Din İdaresi</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>Jeofizik Enstitüsü, Tahran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>Şii İsna Aşeri (Caferi)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>Fas Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>Cezayir Din İşleri Bakanlığı</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>Tunus Din İşleri Bakanlığı</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>Ürdün Evkaf Bakanlığı</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Dünya Hilal Gözlem Komitesi</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>Bir efemeris kaynağı denetimden geçemedi (ayrıntılar ipucunda, İngilizce)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>Ayarlamalar</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 dakika</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hicri tarih</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>Hicri tarih günleri</translation>
    </message>
    <message>
        <source> days</source>
        <translation> gün</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Yüksek enlemler</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - hata raporu</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel beklenmeyen bir hatayla karşılaştı. Pencere çalışmaya devam ediyor, ancak tablo değişiklikten önceki haftayı ve yeri gösteriyor olabilir. Aşağıdaki rapor neyin nerede ters gittiğini anlatıyor: iletmek için kopyalayın, kaydedin, yazdırın veya gönderin.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Raporu kopyala</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>Metin dosyası olarak kaydet...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Yazdır...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>Gönder...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>Hata raporunu kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Metin dosyaları (*.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Rapor %1 dosyasına yazılamadı.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>Hata raporunu yazdır</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>Hiçbir e-posta programı yanıt vermedi. Raporun tamamı panoda; &quot;Metin dosyası olarak kaydet...&quot; ile saklayıp dosyayı bir iletiye de ekleyebilirsiniz.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>disk dolu</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>dosya tamamen yazılamadı</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>Yukarı/Aşağı okları: bir gün ileri veya geri.
PageUp ve PageDown: bir ay.
SHIFT+PageUp veya SHIFT+PageDown: bir yıl.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>Ezani saat</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>Saat 12:00&apos;nin güneşin batışına denk geldiği eski zaman
sayma yöntemi (ezani saat). Bu yöntem yalnızca namaz
vakitlerini Ümmü&apos;l-Kurâ yöntemiyle hesaplayan Suudi
Arabistan&apos;da kullanılır; bu seçenekle akşam her zaman
12:00&apos;de, yatsı her zaman 1:30&apos;da (Ramazan&apos;da 2:00&apos;de) olur.</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 saat</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>Temkin ekle</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>Dakika yuvarla</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>Sağdan sola</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* Hicri tarihleri yerel makamlar belirler; bu yüzden yukarıdaki astronomik hesaplardan bir gün farklı olabilir</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinatlar</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Enlem</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>sa.</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>dk.</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>GMT saat</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>GMT dakika</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>Namaz Vakti Hesaplama Yöntemi</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Mezhep</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> Şehirler </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - haftalık namaz vakitleri, Orvandel geliştiricilerinden</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>Hicri tarih yok</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: vakitler bu bölgenin saatine göre, yaz saati dahil; işaretsizken sabit GMT farkına göre</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>okunamadı: sabit GMT</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>sabit %1</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>Kayıtlı yer kullanılmadı: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>Yer kaydedilmedi: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>Kayıtlı yer silinemedi: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Diğer:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>Diğer hesaplama yöntemi</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>Diğer hesaplama yöntemi:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>Bu yükseklikte enlem %1 ile %2 derece arası: ötesinde güneş yılın bazı günlerinde doğmaz ya da batmaz</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>Bu enlemde yükseklik en çok %1 m: daha yukarıda güneş yılın bazı günlerinde doğmaz ya da batmaz</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>Şehir ara</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>Adıyla şehir ara</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>Nüfusu 15.000 ve üzeri her şehir: konumu, saati ve ülkesinin yöntemi. &quot;Ad, ülke&quot; ya da &quot;Ad, bölge&quot; aramayı daraltır.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>Bulunan şehirler</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1, %L2 enleminde; tablo yalnızca %L3 dereceye kadar hesaplanabilir.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>Bu adda şehir yok</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>Vakit tablosunu kaydet</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>Gösterilen hafta</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>Ay, %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>%1 tarihinden itibaren günler:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>Hicri tarih yok</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Önceki hafta</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Sonraki hafta</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Bu hafta</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Farklı kaydet…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Yazdır…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>Ayı yazdır…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>Ayarlamalar…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>bölge %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>yükseklik %1 m</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>İkindi %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>temkin eklendi</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>temkin yok</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>dakika yuvarlandı</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>dakika kesildi</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12 saatlik düzen</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24 saatlik düzen</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>ezani saat</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 dk</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>Hicri tarih %1 gün</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hicri</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%1 tarihinden itibaren %n gün %2 tarihini aşıyor</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>istenen günler 1 ile 9999 yılları arasında değil</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>Vakit tablosunu kaydet</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>Vakit tablosu %1 dosyasına kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>Namaz vakitleri, %1 - %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>Namaz vakitleri, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>yazdırma başlatılamadı</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>yazıcı bir hata bildirdi</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>Vakit tablosu %1 yazıcısında yazdırılamadı: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>Vakit tablosu %1 dosyasına yazdırılamadı: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>Haftayı yazdır</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>Ayı yazdır</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>Sonraki açılışta bu yeri aç</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>Namaz vakitleri</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>Haftanın namaz vakitleri, her satır bir gün. Ok tuşları vakitler arasında gezinir; Menü tuşu haftanın komutlarını açar.</translation>
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
        <translation>tr</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>d MMM yyyy ddd</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>d MMM yyyy ddd</translation>
    </message>
</context>
</TS>
