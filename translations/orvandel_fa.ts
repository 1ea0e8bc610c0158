<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
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
        <translation>صبح</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>طلوع آفتاب</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>ظهر</translation>
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
        <translation>عشا</translation>
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
        <translation>ربیع‌الاول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربیع‌الثانی</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادی‌الاول</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادی‌الثانی</translation>
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
        <translation>ذی‌القعده</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>ذی‌الحجه</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطه جهان اسلام</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>سازمان نقشه‌برداری مصر</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>دانشگاه علوم اسلامی کراچی</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>ام‌القری</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>ISNA</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>جمهور</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>حنفی</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>قاعده 48 درجه</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>عرض بالا با نیمه شب</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>عرض بالا با یک‌هفتم شب</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>عرض بالا با زاویه فلق و شفق</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (صفحه‌گسترده)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (برنامه‌های تقویم)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>پرونده‌های CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>پرونده‌های JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>پرونده‌های iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>عربستان</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>خاورمیانه</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>آفریقا</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>آمریکا</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>آسیا</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>اروپا</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>اقیانوسیه</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>ابها</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>بریده</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>دمام</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>جده</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>مدینه</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>مکه</translation>
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
        <translation>ابوظبی</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>امان</translation>
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
        <translation>دوحه</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبی</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>استانبول</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>بیت‌المقدس</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>کویت</translation>
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
        <translation>تهران</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>الجزیره</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>اسمره</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>باماکو</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>قاهره</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>داکار</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>جیبوتی</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>خارطوم</translation>
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
        <translation>موگادیشو</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>نواکشوت</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>طرابلس</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>تونس</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>بوگوتا</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>بوئنوس آیرس</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>شیکاگو</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>دالاس</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>لیما</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>لس آنجلس</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>مکزیکوسیتی</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>میامی</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>مونترال</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>نیویورک</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>سانتیاگو</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>سائوپائولو</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>تورنتو</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>ونکوور</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>عشق‌آباد</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>بانکوک</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>پکن</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>داکا</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>هنگ کنگ</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>اسلام‌آباد</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>جاکارتا</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>کابل</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>کوالالامپور</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>دهلی نو</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>رانگون</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنگاپور</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>توکیو</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>بخارست</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>کپنهاگ</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>فرانکفورت</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>کی‌یف</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>لیسبون</translation>
    </message>
    <message>
        <source>London</source>
        <translation>لندن</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>مادرید</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>مسکو</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>پاریس</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>رم</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>سارایوو</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>وین</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>ورشو</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>اوکلند</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>کرایست‌چرچ</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>ملبورن</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>نومئا</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>پرث</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>سیدنی</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>منطقه خلیج فارس</translation>
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
        <translation>امور اسلامی و اوقاف امارات (دبی)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS سنگاپور</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM مالزی</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag اندونزی</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>دیانت ترکیه</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF فرانسه</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>اداره دینی مسلمانان روسیه</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>مؤسسه ژئوفیزیک دانشگاه تهران</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>شیعه اثنی‌عشری (جعفری)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>وزارت اوقاف مراکش</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>وزارت امور دینی الجزایر</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>وزارت امور دینی تونس</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>وزارت اوقاف اردن</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>کمیته جهانی رؤیت هلال</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>یکی از منابع زیج در بررسی رد شد (جزئیات به انگلیسی در راهنمای ابزار)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>تنظیم‌ها</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>دقیقه‌های %1</translation>
    </message>
    <message>
        <source> min</source>
        <translation> دقیقه</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>تاریخ قمری</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>روزهای تاریخ قمری</translation>
    </message>
    <message>
        <source> days</source>
        <translation> روز</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>عرض‌های بالا</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - گزارش خطا</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>Orvandel با خطایی پیش‌بینی‌نشده روبه‌رو شد. پنجره همچنان کار می‌کند، ولی جدول ممکن است هنوز هفته و مکانِ پیش از تغییر را نشان دهد. گزارش زیر می‌گوید چه چیزی و کجا نادرست پیش رفت: برای رساندنش آن را رونوشت، ذخیره، چاپ یا ارسال کنید.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>رونوشت گزارش</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>ذخیره به‌صورت پرونده متنی...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>چاپ...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>ارسال...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>ذخیره گزارش خطا</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>پرونده‌های متنی (*.txt);;همه پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>گزارش در %1 نوشته نشد.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>چاپ گزارش خطا</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>هیچ برنامه رایانامه‌ای پاسخ نداد. گزارش کامل در تخته‌گیره است؛ می‌توانید آن را با «ذخیره به‌صورت پرونده متنی...» نگه دارید و پرونده را به پیامی پیوست کنید.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>دیسک پر است</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>پرونده کامل نوشته نشد</translation>
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
        <translation>با پیکان‌های بالا/پایین یک روز جابه‌جا شوید.
با PageUp و PageDown یک ماه جابه‌جا شوید.
با SHIFT+PageUp یا SHIFT+PageDown یک سال جابه‌جا شوید.</translation>
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
        <translation>شیوه‌ای قدیمی در شمارش زمان که ساعت 12:00 را هنگام غروب
آفتاب می‌گیرد. این شیوه تنها در عربستان سعودی به کار می‌رود
که اوقات شرعی را به روش ام‌القری حساب می‌کند؛ با این گزینه
مغرب همیشه 12:00 و عشا همیشه 1:30 (در رمضان 2:00) است.</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 ساعته</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>احتیاط</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>گرد کردن</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>راست‌چین</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* تاریخ‌های قمری را مراجع محلی اعلام می‌کنند و ممکن است یک روز با محاسبه نجومی بالا فرق داشته باشند</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>مختصات</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>طول</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>گرینویچ</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>ارتفاع</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>ساعت اختلاف با گرینویچ</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>دقیقه اختلاف با گرینویچ</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>روش محاسبه اوقات شرعی</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>مذهب فقهی</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> شهرها </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>اوقات شرعی هفته از توسعه‌دهندگان Orvandel</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>بدون تاریخ قمری</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: اوقات به ساعت این منطقه با ساعت تابستانی؛ بدون تیک، با اختلاف ثابت گرینویچ</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>ناخوانا: اختلاف ثابت</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>%1 ثابت</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>مکان ذخیره‌شده به کار نرفت: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>مکان ذخیره نشد: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>مکان ذخیره‌شده پاک نشد: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>دیگر:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>روش محاسبه دیگر</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>روش محاسبه دیگر:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>عرض %1 تا %2 درجه در این ارتفاع: فراتر از آن خورشید در برخی روزهای سال طلوع یا غروب نمی‌کند</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>ارتفاع تا %1 متر در این عرض: بالاتر از آن خورشید در برخی روزهای سال طلوع یا غروب نمی‌کند</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>جستجوی شهر</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>جستجوی شهر با نام</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>هر شهر با 15 هزار نفر جمعیت یا بیشتر: مکان، ساعت و روش کشورش. «نام, کشور» یا «نام, استان» جستجو را محدود می‌کند.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>شهرهای یافته‌شده</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>%1 در عرض %L2 است، بیرون از %L3 درجه‌ای که جدول را می‌توان برایش حساب کرد.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>شهری با این نام نیست</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>ذخیره جدول</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>هفته نمایش‌داده‌شده</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>ماه، %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>روزها از %1:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>قالب</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>بدون تاریخ قمری</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>هفته پیش</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>هفته بعد</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>این هفته</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>ذخیره با نام…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>چاپ…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>چاپ ماه…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>تنظیم‌ها…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>منطقه %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>ارتفاع %1 متر</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>عصر %1</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>با احتیاط</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>بدون احتیاط</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>گرد به نزدیک‌ترین دقیقه</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>دقیقه‌ها بریده</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>ساعت 12 ساعته</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>ساعت 24 ساعته</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>ساعت غروبی</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 دقیقه</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>تاریخ قمری %1 روز</numerusform>
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
        <translation>قمری</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>%n روز از %1 از %2 می‌گذرد</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>روزهای خواسته‌شده بیرون از سال‌های 1 تا 9999 است</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>ذخیره جدول</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>جدول در %1 ذخیره نشد: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>اوقات شرعی، %1 تا %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>اوقات شرعی، %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>چاپ آغاز نشد</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>چاپگر خطا گزارش داد</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>جدول روی %1 چاپ نشد: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>جدول در %1 چاپ نشد: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>چاپ هفته</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>چاپ ماه</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>دفعه بعد با همین مکان باز شود</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>اوقات شرعی</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>اوقات شرعی هفته، هر روز یک سطر. کلیدهای پیکان از وقتی به وقت دیگر می‌روند؛ کلید منو فرمان‌های هفته را باز می‌کند.</translation>
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
        <translation>fa</translation>
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
