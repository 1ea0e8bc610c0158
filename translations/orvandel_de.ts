<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Fadschr</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>Schuruq</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>Dhuhr</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>Maghrib</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>Ischa</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>Muharram</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>Safar</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>Rabi al-awwal</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>Rabi ath-thani</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>Jumada I</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>Jumada II</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>Radschab</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>Schaban</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>Ramadan</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>Schawwal</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>Dhu l-Qada</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>Dhu l-Hiddscha</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>Islamische Weltliga</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>Ägyptens Vermessung</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>Islam. Wiss.-Universität Karatschi</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>Hanafitisch</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>die 48-Grad-Regel</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>hohe Breiten nach der Nachtmitte</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>hohe Breiten nach einem Siebtel der Nacht</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>hohe Breiten nach dem Dämmerungswinkel</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (Tabellenkalkulation)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (Kalenderprogramme)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>Naher Osten</translation>
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
        <translation>Asien</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Ozeanien</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>Abha</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>Buraida</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>Dammam</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>Dschidda</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>Medina</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>Mekka</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>Riad</translation>
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
        <translation>Jerusalem</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>Kuwait-Stadt</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>Maskat</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>Sanaa</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>Algier</translation>
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
        <translation>Dschibuti</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>Khartum</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>Lagos</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>Marrakesch</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>Mogadischu</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>Nouakchott</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>Tripolis</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>Tunis</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>Bogotá</translation>
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
        <translation>Mexiko-Stadt</translation>
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
        <translation>Aschgabat</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Peking</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dhaka</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
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
        <translation>Neu-Delhi</translation>
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
        <translation>Tokio</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>Bukarest</translation>
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
        <translation>Kyjiw</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>Lissabon</translation>
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
        <translation>Moskau</translation>
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
        <translation>Wien</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>Warschau</translation>
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
        <translation>Golfregion</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>Awqaf-Ministerium Kuwait</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>Awqaf-Ministerium Katar</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>Awqaf der VAE (Dubai)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS Singapur</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM Malaysia</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag Indonesien</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>Diyanet Türkei</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF Frankreich</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>Geistliche Verwaltung der Muslime Russlands</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>Institut für Geophysik, Teheran</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>Zwölferschia (Dschafari)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>Habous-Ministerium Marokko</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>Religionsministerium Algerien</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>Religionsministerium Tunesien</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>Awqaf-Ministerium Jordanien</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>Weltweites Mondsichtungskomitee</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>Eine Ephemeridenquelle hat ihre Prüfung nicht bestanden (Einzelheiten auf Englisch im Tooltip)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>Anpassungen</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Hidschri-Datum</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>Tage des Hidschri-Datums</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>Hohe Breiten</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - Fehlerbericht</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel ist auf einen unerwarteten Fehler gestoßen. Das Fenster arbeitet weiter, doch die Tabelle zeigt womöglich noch Woche und Ort von vor der Änderung. Der Bericht unten sagt, was wo schiefging: Kopieren, speichern, drucken oder senden Sie ihn, um ihn weiterzugeben.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>Als Textdatei speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>Senden...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>Fehlerbericht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>Fehlerbericht drucken</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>Kein E-Mail-Programm hat geantwortet. Der vollständige Bericht liegt in der Zwischenablage; Sie können ihn auch mit „Als Textdatei speichern...“ sichern und die Datei an eine Nachricht anhängen.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>die Datei wurde nicht vollständig geschrieben</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>Pfeil hoch/runter: einen Tag weiter oder zurück.
Bild hoch/Bild runter: einen Monat.
Umschalt+Bild hoch/Umschalt+Bild runter: ein Jahr.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>Ghurubi-Zeit</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>Alte Art der Zeitzählung, bei der 12:00 auf den
Sonnenuntergang fällt. Sie ist nur noch in Saudi-Arabien
üblich, das die Gebetszeiten nach Umm Al-Qura berechnet;
mit dieser Option ist Maghrib stets um 12:00 und
Ischa stets um 1:30 (im Ramadan um 2:00).</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>Zuschlag</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>Rechts-links</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* Islamische Daten legen örtliche Stellen fest; sie können um einen Tag von der Rechnung oben abweichen</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>GMT-Stunden</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>GMT-Minuten</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>Rechtsschule</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> Städte </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>Orvandel - Gebetszeiten der Woche, von den Orvandel-Entwicklern</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>kein Hidschri-Datum</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: Zeiten nach der Uhr dieser Zone, mit Sommerzeit; ohne Haken nach dem festen GMT-Abstand</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>unlesbar: festes GMT</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>fest %1</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>Gemerkter Ort nicht verwendet: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>Ort nicht gemerkt: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>Gemerkter Ort nicht entfernt: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Andere:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>Andere Berechnungsmethode</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>Andere Berechnungsmethode:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>Breite %1 bis %2 Grad bei dieser Höhe: darüber hinaus geht die Sonne an manchen Tagen des Jahres nicht auf oder nicht unter</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>Höhe bis %1 m bei dieser Breite: weiter oben geht die Sonne an manchen Tagen des Jahres nicht auf oder nicht unter</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>Stadt suchen</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>Stadt nach Namen suchen</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>Jede Stadt ab 15.000 Einwohnern: ihre Lage, ihre Zeitzone und die Methode ihres Landes. „Name, Land“ oder „Name, Region“ grenzt die Suche ein.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>Gefundene Städte</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 liegt auf %L2 Grad Breite, jenseits der %L3 Grad, für die sich die Tabelle berechnen lässt.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>Keine Stadt dieses Namens</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>Gebetszeiten speichern</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>Die gezeigte Woche</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>Den Monat %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>Tage ab %1:</translation>
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
        <translation>kein Hidschri-Datum</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>Vorige Woche</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>Monat drucken…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>Anpassungen…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>Höhe %1 m</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>Asr %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>mit Zuschlag</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>ohne Zuschlag</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>auf die Minute gerundet</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>Minuten abgeschnitten</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-Stunden-Uhr</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24-Stunden-Uhr</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>Ghurubi-Zeit</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 min</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>Hidschri-Datum %1 Tag</numerusform>
            <numerusform>Hidschri-Datum %1 Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hidschra</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>der Tag ab %1 liegt nach %2</numerusform>
            <numerusform>die %n Tage ab %1 reichen über %2 hinaus</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>die gewünschten Tage liegen außerhalb der Jahre 1 bis 9999</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>Gebetszeiten speichern</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>Die Gebetszeiten konnten nicht nach %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>Gebetszeiten, %1 bis %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>Gebetszeiten, %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>der Druck konnte nicht beginnen</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>der Drucker meldete einen Fehler</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>Die Gebetszeiten konnten nicht auf %1 gedruckt werden: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>Die Gebetszeiten konnten nicht nach %1 gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>Woche drucken</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>Monat drucken</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>Beim nächsten Start diesen Ort öffnen</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>Gebetszeiten</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>Die Gebetszeiten der Woche, ein Tag je Zeile. Die Pfeiltasten gehen von Zeit zu Zeit; die Menütaste öffnet die Befehle für die Woche.</translation>
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
        <translation>de</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>ddd d. MMM yyyy</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>ddd d. MMM yyyy</translation>
    </message>
</context>
</TS>
