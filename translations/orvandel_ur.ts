<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>orvandel::CoreTexts</name>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>ذوالحجہ</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطہ عالم اسلامی</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>مصری جنرل اتھارٹی آف سروے</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>جامعہ علوم اسلامیہ کراچی</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>ام القریٰ</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>جمہور</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>48 درجے کا اصول</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>بلند عرض بلد: نصف شب</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>بلند عرض بلد: رات کا ساتواں حصہ</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>بلند عرض بلد: شفق کا زاویہ</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (اسپریڈشیٹ)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (کیلنڈر پروگرام)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV فائلیں (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON فائلیں (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar فائلیں (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>سعودی عرب</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>مشرق وسطیٰ</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>افریقہ</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>امریکہ</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>ایشیا</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>یورپ</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>اوشیانا</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>ابہا</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>بریدہ</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>دمام</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>جدہ</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>مدینہ منورہ</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>مکہ مکرمہ</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>ریاض</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>تبوک</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>طائف</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>ابوظہبی</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>عمان</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>بغداد</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>بیروت</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>دمشق</translation>
    </message>
    <message>
        <source>Doha</source>
        <translation>دوحہ</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبئی</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>استنبول</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>بیت المقدس</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>کویت شہر</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>مسقط</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>صنعا</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>تہران</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>الجزائر</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>اسمارا</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>باماکو</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>قاہرہ</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>ڈاکار</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>جبوتی</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>خرطوم</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>لاگوس</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>مراکش</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>موغادیشو</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>نواکشوط</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>طرابلس</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>تیونس</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>بوگوٹا</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>بیونس آئرس</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>شکاگو</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>ڈیلاس</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>لیما</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>لاس اینجلس</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>میکسیکو سٹی</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>میامی</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>مونٹریال</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>نیو یارک</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>سانتیاگو</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>ساؤ پاؤلو</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>ٹورنٹو</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>وینکوور</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>اشک آباد</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>بنکاک</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>بیجنگ</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>ڈھاکہ</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>ہانگ کانگ</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>اسلام آباد</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>جکارتہ</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>کابل</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>کوالالمپور</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>نئی دہلی</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>رنگون</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنگاپور</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>ٹوکیو</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>بخارسٹ</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>کوپن ہیگن</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>فرینکفرٹ</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>کیف</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>لزبن</translation>
    </message>
    <message>
        <source>London</source>
        <translation>لندن</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>میڈرڈ</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>ماسکو</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>پیرس</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>روم</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>سرائیوو</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>ویانا</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>وارسا</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>آکلینڈ</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>کرائسٹ چرچ</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>میلبورن</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>نومیا</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>پرتھ</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>سڈنی</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>خلیجی خطہ</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>وزارت اوقاف کویت</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>وزارت اوقاف قطر</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>اسلامی امور و اوقاف امارات (دبئی)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS سنگاپور</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM ملائیشیا</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag انڈونیشیا</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>دیانت ترکی</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF فرانس</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>مسلمانان روس کی روحانی انتظامیہ</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>انسٹی ٹیوٹ آف جیو فزکس، تہران</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>شیعہ اثنا عشری (جعفری)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>وزارت اوقاف مراکش</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>وزارت مذہبی امور الجزائر</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>وزارت مذہبی امور تیونس</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>وزارت اوقاف اردن</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>عالمی رویت ہلال کمیٹی</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>ایک فلکیاتی جدول کا ماخذ جانچ میں ناکام رہا (تفصیل انگریزی میں ٹول ٹپ میں)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>ترمیمات</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 کے منٹ</translation>
    </message>
    <message>
        <source> min</source>
        <translation> منٹ</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>ہجری تاریخ کے دن</translation>
    </message>
    <message>
        <source> days</source>
        <translation> دن</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>بلند عرض بلد</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - خرابی کی رپورٹ</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel کو ایک غیر متوقع خرابی پیش آئی۔ ونڈو کام کرتی رہے گی، لیکن جدول میں شاید تبدیلی سے پہلے کا ہفتہ اور مقام ہی نظر آئے۔ نیچے کی رپورٹ بتاتی ہے کہ کیا اور کہاں غلط ہوا: اسے آگے پہنچانے کے لیے کاپی، محفوظ، پرنٹ یا ارسال کریں۔</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>رپورٹ کاپی کریں</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>متنی فائل میں محفوظ کریں...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>پرنٹ...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>ارسال...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>خرابی کی رپورٹ محفوظ کریں</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>متنی فائلیں (*.txt);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>رپورٹ %1 میں نہیں لکھی جا سکی۔</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>خرابی کی رپورٹ پرنٹ کریں</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>کسی ای میل پروگرام نے جواب نہیں دیا۔ پوری رپورٹ کلپ بورڈ پر ہے؛ آپ اسے &quot;متنی فائل میں محفوظ کریں...&quot; سے بھی رکھ کر فائل کسی پیغام کے ساتھ منسلک کر سکتے ہیں۔</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>ڈسک بھر گئی ہے</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>فائل مکمل نہیں لکھی گئی</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>ایک دن آگے پیچھے کے لیے اوپر/نیچے کے تیر استعمال کریں۔
ایک مہینے کے لیے PageUp اور PageDown استعمال کریں۔
ایک سال کے لیے SHIFT+PageUp یا SHIFT+PageDown استعمال کریں۔</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>غروبی</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>وقت گننے کا پرانا طریقہ جس میں 12:00 غروب آفتاب کے وقت
ہوتے ہیں۔ یہ طریقہ صرف سعودی عرب میں رائج ہے جو نماز
کے اوقات ام القریٰ کے طریقے سے نکالتا ہے؛ اس اختیار کے ساتھ
مغرب ہمیشہ 12:00 بجے اور عشاء ہمیشہ 1:30 بجے
(رمضان میں 2:00 بجے) ہوتی ہے۔</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 گھنٹے</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>احتیاط</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>قریبی منٹ</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>دائیں سے</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* ہجری تاریخیں مقامی رویت کمیٹیاں طے کرتی ہیں، اس لیے اوپر کے فلکیاتی حساب سے ایک دن کا فرق ہو سکتا ہے</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>محل وقوع</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض بلد</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>طول بلد</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>گھنٹے</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>بلندی</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>GMT گھنٹے</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>GMT منٹ</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>اوقات نماز کا طریقۂ حساب</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>فقہی مسلک</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> شہر </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>ہفتہ وار اوقات نماز، Orvandel کے ڈویلپرز کی طرف سے</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>ہجری تاریخ نہیں</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: اوقات اس علاقے کی گھڑی کے مطابق، گرمائی وقت سمیت؛ نشان ہٹانے پر مقررہ GMT فرق کے مطابق</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>ناقابل مطالعہ: مقررہ GMT</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>مقررہ %1</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>محفوظ مقام استعمال نہیں ہوا: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>مقام محفوظ نہیں ہوا: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>محفوظ مقام ہٹایا نہیں جا سکا: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>دیگر:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>دیگر طریقۂ حساب</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>دیگر طریقۂ حساب:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>اس بلندی پر عرض بلد %1 سے %2 درجے تک: اس سے آگے سال کے کچھ دنوں میں سورج طلوع یا غروب نہیں ہوتا</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>اس عرض بلد پر بلندی %1 میٹر تک: اس سے اوپر سال کے کچھ دنوں میں سورج طلوع یا غروب نہیں ہوتا</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>شہر تلاش کریں</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>نام سے شہر تلاش کریں</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>15 ہزار یا زیادہ آبادی والا کوئی بھی شہر: اس کا مقام، اس کی گھڑی اور اس کے ملک کا طریقہ۔ &quot;نام, ملک&quot; یا &quot;نام, خطہ&quot; لکھنے سے تلاش محدود ہو جاتی ہے۔</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>ملنے والے شہر</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 عرض بلد %L2 پر ہے، ان %L3 درجوں سے باہر جن کے لیے جدول نکالا جا سکتا ہے۔</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>اس نام کا کوئی شہر نہیں</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>نقشۂ اوقات محفوظ کریں</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>دکھایا گیا ہفتہ</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>مہینہ، %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>%1 سے دن:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>فارمیٹ</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>ہجری تاریخ نہیں</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>پچھلا ہفتہ</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>اگلا ہفتہ</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>یہ ہفتہ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کاپی</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>بطور محفوظ کریں…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>پرنٹ…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>مہینہ پرنٹ کریں…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>ترمیمات…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>علاقہ %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>بلندی %1 میٹر</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>عصر %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>احتیاطی وقت شامل</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>احتیاطی وقت کے بغیر</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>قریبی منٹ تک</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>منٹ کاٹے گئے</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12 گھنٹے کی گھڑی</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24 گھنٹے کی گھڑی</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>غروبی وقت</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 منٹ</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>ہجری تاریخ %1 دن</numerusform>
            <numerusform>ہجری تاریخ %1 دن</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%1 سے %n دن %2 سے آگے نکل جاتا ہے</numerusform>
            <numerusform>%1 سے %n دن %2 سے آگے نکل جاتے ہیں</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>مطلوبہ دن سال 1 تا 9999 سے باہر ہیں</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>نقشۂ اوقات محفوظ کریں</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>نقشۂ اوقات %1 میں محفوظ نہیں ہو سکا: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>اوقات نماز، %1 تا %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>اوقات نماز، %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>پرنٹنگ شروع نہیں ہو سکی</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>پرنٹر نے خرابی بتائی</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>نقشۂ اوقات %1 پر پرنٹ نہیں ہو سکا: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>نقشۂ اوقات %1 میں پرنٹ نہیں ہو سکا: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>ہفتہ پرنٹ کریں</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>مہینہ پرنٹ کریں</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>اگلی بار اسی مقام پر کھولیں</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>اوقات نماز</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>ہفتے کے اوقات نماز، ہر دن ایک قطار۔ تیر والی کلیدیں ایک وقت سے دوسرے پر جاتی ہیں؛ مینو کلید ہفتے کے احکام کھولتی ہے۔</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s civil date, its Hijri date</comment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>orvandel::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as in its file name: ar, fa, pt_BR.</extracomment>
        <translation>ur</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>ddd d MMM yyyy</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>ddd d MMM yy</translation>
    </message>
</context>
</TS>
