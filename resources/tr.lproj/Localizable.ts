<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>Orvelane</name>
    <message>
        <source>Application Caches</source>
        <translation>Uygulama Önbellekleri</translation>
    </message>
    <message>
        <source>App caches, including sandboxed app containers — rebuilt when needed.</source>
        <translation>Yalıtılmış uygulama kapsayıcıları dahil uygulama önbellekleri — gerektiğinde yeniden oluşturulur.</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Günlük Dosyaları</translation>
    </message>
    <message>
        <source>~/Library/Logs and app container logs — old diagnostic reports.</source>
        <translation>~/Library/Logs ve uygulama kapsayıcısı günlükleri — eski tanılama raporları.</translation>
    </message>
    <message>
        <source>Xcode Junk</source>
        <translation>Xcode Artıkları</translation>
    </message>
    <message>
        <source>DerivedData, simulator caches, and device support files.</source>
        <translation>DerivedData, simülatör önbellekleri ve aygıt destek dosyaları.</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Geliştirici Önbellekleri</translation>
    </message>
    <message>
        <source>Download caches from npm, pnpm, Gradle, Cargo, and Go.</source>
        <translation>npm, pnpm, Gradle, Cargo ve Go indirme önbellekleri.</translation>
    </message>
    <message>
        <source>Build Artifacts</source>
        <translation>Derleme Çıktıları</translation>
    </message>
    <message>
        <source>Regenerable project folders (.terraform, node_modules…). Safe to remove, but you&apos;ll need to rebuild — check the date first.</source>
        <translation>Yeniden oluşturulabilir proje klasörleri (.terraform, node_modules…). Silmek güvenlidir, ancak projeyi yeniden derlemeniz gerekir — önce tarihe bakın.</translation>
    </message>
    <message>
        <source>Large Downloads</source>
        <translation>Büyük İndirmeler</translation>
    </message>
    <message>
        <source>Installers and large files in ~/Downloads — these are your files, review carefully.</source>
        <translation>~/Downloads içindeki yükleyiciler ve büyük dosyalar — bunlar sizin dosyalarınız, dikkatle inceleyin.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Çöp Kutusu</translation>
    </message>
    <message>
        <source>Items here are deleted PERMANENTLY and cannot be recovered!</source>
        <translation>Buradaki öğeler KALICI OLARAK silinir ve geri getirilemez!</translation>
    </message>
    <message>
        <source>The item contains a mounted folder (%@) and was left untouched.</source>
        <translation>Öğe, bağlanmış bir klasör içeriyor (%@); öğeye dokunulmadı.</translation>
    </message>
    <message>
        <source>The item is itself a mount point (%@) and was left untouched.</source>
        <translation>Öğenin kendisi bir bağlama noktası (%@); öğeye dokunulmadı.</translation>
    </message>
    <message>
        <source>A folder mounted inside the item (%@) was left in place; the item was removed only in part.</source>
        <translation>Öğenin içine bağlanmış bir klasör (%@) yerinde bırakıldı; öğe yalnızca kısmen silindi.</translation>
    </message>
    <message>
        <source>Storage Insights</source>
        <translation>Depolama Analizleri</translation>
    </message>
    <message>
        <source>Large stores managed by other apps — guidance only, never selected or deleted by Orvelane.</source>
        <translation>Başka uygulamaların yönettiği büyük depolar — yalnızca bilgi amaçlıdır; Orvelane bunları asla seçmez ve silmez.</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Güvenli</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>İncele</translation>
    </message>
    <message>
        <source>Protected</source>
        <translation>Korumalı</translation>
    </message>
    <message>
        <source>Regenerable data that has not changed recently.</source>
        <translation>Son zamanlarda değişmemiş, yeniden oluşturulabilir veriler.</translation>
    </message>
    <message>
        <source>Recently active — close the related app and review before cleaning.</source>
        <translation>Yakın zamanda kullanılmış — temizlemeden önce ilgili uygulamayı kapatın ve inceleyin.</translation>
    </message>
    <message>
        <source>Regenerable, but rebuilding it may take significant time or data.</source>
        <translation>Yeniden oluşturulabilir, ancak yeniden oluşturmak ciddi zaman veya veri gerektirebilir.</translation>
    </message>
    <message>
        <source>Removing this requires rebuilding the project before it works again.</source>
        <translation>Bunu silerseniz projenin çalışması için yeniden derlenmesi gerekir.</translation>
    </message>
    <message>
        <source>This is one of your files; Orvelane cannot determine whether you still need it.</source>
        <translation>Bu sizin dosyalarınızdan biri; Orvelane buna hâlâ ihtiyacınız olup olmadığını belirleyemez.</translation>
    </message>
    <message>
        <source>Cleaning Trash deletes this permanently and cannot be undone.</source>
        <translation>Çöp Kutusu&apos;nu temizlemek bunu kalıcı olarak siler ve bu işlem geri alınamaz.</translation>
    </message>
    <message>
        <source>Read-only insight — manage this storage with the app or command shown.</source>
        <translation>Salt okunur bilgi — bu depolamayı gösterilen uygulama veya komutla yönetin.</translation>
    </message>
    <message>
        <source>Empty or inaccessible</source>
        <translation>Boş veya erişilemiyor</translation>
    </message>
    <message>
        <source>Below the display threshold</source>
        <translation>Görüntüleme eşiğinin altında</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Sistem Varsayılanı</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Full Disk Access required</source>
        <translation>Tam Disk Erişimi gerekli</translation>
    </message>
    <message>
        <source>Without it, the Trash and some app data can&apos;t be scanned.</source>
        <translation>Bu izin olmadan Çöp Kutusu ve bazı uygulama verileri taranamaz.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ayarları Aç</translation>
    </message>
    <message>
        <source>Total found: %@</source>
        <translation>Bulunan toplam: %@</translation>
    </message>
    <message>
        <source>Not scanned yet</source>
        <translation>Henüz taranmadı</translation>
    </message>
    <message>
        <source>Cleaned this session: %@</source>
        <translation>Bu oturumda temizlenen: %@</translation>
    </message>
    <message>
        <source>Select a category</source>
        <translation>Bir kategori seçin</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Tara</translation>
    </message>
    <message>
        <source>Some items could not be cleaned</source>
        <translation>Bazı öğeler temizlenemedi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message numerus="yes">
        <source>Protected / Skipped (%lld)</source>
        <translation>
            <numerusform>Korumalı / Atlanan (%lld)</numerusform>
        </translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Seçimi Kaldır</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Taranıyor…</translation>
    </message>
    <message>
        <source>Grant Full Disk Access in System Settings, then scan again.</source>
        <translation>Sistem Ayarları&apos;nda Tam Disk Erişimi izni verin, ardından yeniden tarayın.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finder&apos;da Göster</translation>
    </message>
    <message>
        <source>Ready to tidy up your computer</source>
        <translation>Bilgisayarınızı toparlamaya hazır</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Dosya Yöneticisinde Göster</translation>
    </message>
    <message>
        <source>The Trash can&apos;t be read</source>
        <translation>Çöp Kutusu okunamıyor</translation>
    </message>
    <message>
        <source>Check the owner and permissions of the Trash folder, then scan again.</source>
        <translation>Çöp Kutusu klasörünün sahibini ve izinlerini denetleyin, ardından yeniden tarayın.</translation>
    </message>
    <message>
        <source>Check the owner and permissions of %@, then scan again.</source>
        <translation>%@ klasörünün sahibini ve izinlerini denetleyin, ardından yeniden tarayın.</translation>
    </message>
    <message>
        <source>App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.</source>
        <translation>~/.cache içindeki uygulama önbellekleri, Flatpak ve snap uygulamaları — gerektiğinde yeniden oluşturulur.</translation>
    </message>
    <message>
        <source>Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.</source>
        <translation>Oturum günlükleri ile ~/.config ve ~/.local içindeki uygulama günlükleri — eski tanılama raporları.</translation>
    </message>
    <message>
        <source>Download caches from npm, pnpm, pip, Gradle, Maven, Cargo, Go, and more.</source>
        <translation>npm, pnpm, pip, Gradle, Maven, Cargo, Go ve diğerlerinin indirme önbellekleri.</translation>
    </message>
    <message>
        <source>Installers and large files in your Downloads folder — these are your files, review carefully.</source>
        <translation>İndirilenler klasörünüzdeki yükleyiciler ve büyük dosyalar — bunlar sizin dosyalarınız, dikkatle inceleyin.</translation>
    </message>
    <message>
        <source>Read-only guidance — Orvelane never deletes these items.</source>
        <translation>Salt okunur bilgi — Orvelane bu öğeleri asla silmez.</translation>
    </message>
    <message numerus="yes">
        <source>%lld items selected — %@</source>
        <translation>
            <numerusform>%lld öğe seçildi — %@</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected items are deleted permanently.</source>
        <translation>Seçilen öğeler kalıcı olarak silinir.</translation>
    </message>
    <message>
        <source>Selected items are moved to the Trash and can be restored.</source>
        <translation>Seçilen öğeler Çöp Kutusu&apos;na taşınır ve geri yüklenebilir.</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Kalıcı Olarak Sil</translation>
    </message>
    <message numerus="yes">
        <source>Move %lld items (%@) to the Trash?</source>
        <translation>
            <numerusform>%lld öğe (%@) Çöp Kutusu&apos;na taşınsın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete %lld items (%@)? This cannot be undone.</source>
        <translation>
            <numerusform>%lld öğe (%@) kalıcı olarak silinsin mi? Bu işlem geri alınamaz.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Çöp Kutusu&apos;na Taşı</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Last modified: %@</source>
        <translation>Son değişiklik: %@</translation>
    </message>
    <message>
        <source>Rebuild: %@</source>
        <translation>Yeniden oluşturmak için: %@</translation>
    </message>
    <message>
        <source>Manage with: %@</source>
        <translation>Yönetmek için: %@</translation>
    </message>
    <message>
        <source>Protected / Skipped Items</source>
        <translation>Korumalı / Atlanan Öğeler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Showing the first 300 skipped items.</source>
        <translation>Atlanan öğelerin ilk 300 tanesi gösteriliyor.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Ready to tidy up your Mac</source>
        <translation>Mac&apos;inizi toparlamaya hazır</translation>
    </message>
    <message>
        <source>Scan to see what can be safely cleaned. Nothing is touched until you choose.</source>
        <translation>Neyin güvenle temizlenebileceğini görmek için tarayın. Siz seçene kadar hiçbir şeye dokunulmaz.</translation>
    </message>
    <message>
        <source>All clean!</source>
        <translation>Her şey temiz!</translation>
    </message>
    <message>
        <source>Nothing to clean in this category.</source>
        <translation>Bu kategoride temizlenecek bir şey yok.</translation>
    </message>
    <message>
        <source>Cleaned %@</source>
        <translation>%@ temizlendi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Yeni Pencere</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Pencereyi Kapat</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Quit Orvelane</source>
        <translation>Orvelane&apos;den Çık</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About Orvelane</source>
        <translation>Orvelane Hakkında</translation>
    </message>
    <message>
        <source>Excluded by you</source>
        <translation>Sizin tarafınızdan hariç tutuldu</translation>
    </message>
    <message>
        <source>The item is not in a Trash folder.</source>
        <translation>Öğe bir Çöp Kutusu klasöründe değil.</translation>
    </message>
    <message>
        <source>The item has no Trash record that can be read.</source>
        <translation>Öğenin okunabilen bir Çöp Kutusu kaydı yok.</translation>
    </message>
    <message>
        <source>Its Trash record points outside your home folder.</source>
        <translation>Çöp Kutusu kaydı ev klasörünüzün dışını gösteriyor.</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>Öğe artık Çöp Kutusunda değil.</translation>
    </message>
    <message>
        <source>The item in the Trash is not the one that was moved there.</source>
        <translation>Çöp Kutusundaki öğe oraya taşınan öğe değil.</translation>
    </message>
    <message>
        <source>Something new is at its old place.</source>
        <translation>Eski yerinde artık yeni bir şey var.</translation>
    </message>
    <message>
        <source>A folder on the way to its old place is a symbolic link.</source>
        <translation>Eski yerine giden yoldaki bir klasör sembolik bağlantı.</translation>
    </message>
    <message>
        <source>Its old place is on another volume than the Trash.</source>
        <translation>Eski yeri, Çöp Kutusundan farklı bir birimde.</translation>
    </message>
    <message>
        <source>%@ stays in the Trash: something new is at its old place.</source>
        <translation>%@ Çöp Kutusunda kalıyor: eski yerinde artık yeni bir şey var.</translation>
    </message>
    <message>
        <source>There is no clean to undo any more.</source>
        <translation>Geri alınacak bir temizlik artık yok.</translation>
    </message>
    <message>
        <source>The settings file is not a regular file.</source>
        <translation>Ayar dosyası normal bir dosya değil.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Ayar dosyasına yazılamadı.</translation>
    </message>
    <message>
        <source>Only absolute paths without &quot;..&quot; can be excluded.</source>
        <translation>Yalnızca &quot;..&quot; içermeyen mutlak yollar hariç tutulabilir.</translation>
    </message>
    <message>
        <source>There is no clean to undo.</source>
        <translation>Geri alınacak bir temizlik yok.</translation>
    </message>
    <message>
        <source>Put back from the Trash: %@</source>
        <translation>Çöp Kutusundan geri konan: %@</translation>
    </message>
    <message>
        <source>Put back: %@</source>
        <translation>Geri konuldu: %@</translation>
    </message>
    <message>
        <source>%@ free of %@</source>
        <translation>%@ boş (toplam %@)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Undo Clean</source>
        <translation>Temizliği Geri Al</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Geri Koy</translation>
    </message>
    <message>
        <source>Never Offer This Again</source>
        <translation>Bunu Bir Daha Önerme</translation>
    </message>
    <message>
        <source>Some items could not be put back</source>
        <translation>Bazı öğeler geri konulamadı</translation>
    </message>
    <message>
        <source>Offer Again</source>
        <translation>Yeniden Öner</translation>
    </message>
    <message>
        <source>%@ GPU cache</source>
        <translation>%@ GPU önbelleği</translation>
    </message>
    <message>
        <source>%@ GPU shader cache</source>
        <translation>%@ GPU gölgelendirici önbelleği</translation>
    </message>
    <message>
        <source>%@ Graphite cache</source>
        <translation>%@ Graphite önbelleği</translation>
    </message>
    <message>
        <source>%@ HTTP cache</source>
        <translation>%@ HTTP önbelleği</translation>
    </message>
    <message>
        <source>%@ IntelliSense cache</source>
        <translation>%@ IntelliSense önbelleği</translation>
    </message>
    <message>
        <source>%@ WebGPU cache</source>
        <translation>%@ WebGPU önbelleği</translation>
    </message>
    <message>
        <source>%@ WebGPU shader cache</source>
        <translation>%@ WebGPU gölgelendirici önbelleği</translation>
    </message>
    <message>
        <source>%@ app</source>
        <translation>%@ uygulaması</translation>
    </message>
    <message>
        <source>%@ binary cache</source>
        <translation>%@ ikili önbelleği</translation>
    </message>
    <message>
        <source>%@ browsers</source>
        <translation>%@ tarayıcıları</translation>
    </message>
    <message>
        <source>%@ build cache</source>
        <translation>%@ derleme önbelleği</translation>
    </message>
    <message>
        <source>%@ cache</source>
        <translation>%@ önbelleği</translation>
    </message>
    <message>
        <source>%@ cache (Flatpak)</source>
        <translation>%@ önbelleği (Flatpak)</translation>
    </message>
    <message>
        <source>%@ cache (snap)</source>
        <translation>%@ önbelleği (snap)</translation>
    </message>
    <message>
        <source>%@ caches</source>
        <translation>%@ önbellekleri</translation>
    </message>
    <message>
        <source>%@ code cache</source>
        <translation>%@ kod önbelleği</translation>
    </message>
    <message>
        <source>%@ compiler cache</source>
        <translation>%@ derleyici önbelleği</translation>
    </message>
    <message>
        <source>%@ crash reports</source>
        <translation>%@ çökme raporları</translation>
    </message>
    <message>
        <source>%@ crate archives</source>
        <translation>%@ paket (crate) arşivleri</translation>
    </message>
    <message>
        <source>%@ crate sources</source>
        <translation>%@ paket (crate) kaynakları</translation>
    </message>
    <message>
        <source>%@ distributions</source>
        <translation>%@ dağıtımları</translation>
    </message>
    <message>
        <source>%@ download cache</source>
        <translation>%@ indirme önbelleği</translation>
    </message>
    <message>
        <source>%@ downloads</source>
        <translation>%@ indirmeleri</translation>
    </message>
    <message>
        <source>%@ drivers</source>
        <translation>%@ sürücüleri</translation>
    </message>
    <message>
        <source>%@ environments</source>
        <translation>%@ ortamları</translation>
    </message>
    <message>
        <source>%@ extension downloads</source>
        <translation>%@ eklenti indirmeleri</translation>
    </message>
    <message>
        <source>%@ git checkouts</source>
        <translation>%@ git çalışma kopyaları</translation>
    </message>
    <message>
        <source>%@ git packages</source>
        <translation>%@ git paketleri</translation>
    </message>
    <message>
        <source>%@ git repositories</source>
        <translation>%@ git depoları</translation>
    </message>
    <message>
        <source>%@ headers</source>
        <translation>%@ başlık dosyaları</translation>
    </message>
    <message>
        <source>%@ index</source>
        <translation>%@ dizini</translation>
    </message>
    <message>
        <source>%@ indexes</source>
        <translation>%@ dizinleri</translation>
    </message>
    <message>
        <source>%@ launcher files</source>
        <translation>%@ başlatıcı dosyaları</translation>
    </message>
    <message>
        <source>%@ logs</source>
        <translation>%@ günlükleri</translation>
    </message>
    <message>
        <source>%@ metadata cache</source>
        <translation>%@ üst veri önbelleği</translation>
    </message>
    <message>
        <source>%@ models</source>
        <translation>%@ modelleri</translation>
    </message>
    <message>
        <source>%@ module downloads</source>
        <translation>%@ modül indirmeleri</translation>
    </message>
    <message>
        <source>%@ output</source>
        <translation>%@ çıktısı</translation>
    </message>
    <message>
        <source>%@ packages</source>
        <translation>%@ paketleri</translation>
    </message>
    <message>
        <source>%@ plugin cache</source>
        <translation>%@ eklenti önbelleği</translation>
    </message>
    <message>
        <source>%@ plugin registry</source>
        <translation>%@ eklenti kaydı</translation>
    </message>
    <message>
        <source>%@ precompiled code</source>
        <translation>%@ önceden derlenmiş kodu</translation>
    </message>
    <message>
        <source>%@ registry index</source>
        <translation>%@ kayıt dizini</translation>
    </message>
    <message>
        <source>%@ repository</source>
        <translation>%@ deposu</translation>
    </message>
    <message>
        <source>%@ service worker cache</source>
        <translation>%@ service worker önbelleği</translation>
    </message>
    <message>
        <source>%@ shader cache</source>
        <translation>%@ gölgelendirici önbelleği</translation>
    </message>
    <message>
        <source>%@ startup cache</source>
        <translation>%@ başlangıç önbelleği</translation>
    </message>
    <message>
        <source>%@ store</source>
        <translation>%@ deposu</translation>
    </message>
    <message>
        <source>%@ temporary copies</source>
        <translation>%@ geçici kopyaları</translation>
    </message>
    <message>
        <source>%@ thumbnails</source>
        <translation>%@ küçük resimleri</translation>
    </message>
    <message>
        <source>%@ tools</source>
        <translation>%@ araçları</translation>
    </message>
    <message>
        <source>%@ type downloads</source>
        <translation>%@ tür tanımı indirmeleri</translation>
    </message>
    <message>
        <source>%@ web cache</source>
        <translation>%@ web önbelleği</translation>
    </message>
    <message>
        <source>%@ — from %@</source>
        <translation>%1$@ — %2$@ konumundan</translation>
    </message>
    <message>
        <source>A diagnostic log that has not changed recently; nothing needs it to work.</source>
        <translation>Son zamanlarda değişmemiş bir tanılama günlüğü; hiçbir şeyin çalışması buna bağlı değil.</translation>
    </message>
    <message>
        <source>A disk image you downloaded; you can download it again if you need it.</source>
        <translation>İndirdiğiniz bir disk görüntüsü; gerekirse yeniden indirebilirsiniz.</translation>
    </message>
    <message>
        <source>An archive you downloaded; keep it unless you have unpacked what you need.</source>
        <translation>İndirdiğiniz bir arşiv; ihtiyacınız olanı açmadıysanız saklayın.</translation>
    </message>
    <message>
        <source>An installer or app package you downloaded — check whether you still need it.</source>
        <translation>İndirdiğiniz bir yükleyici ya da uygulama paketi — hâlâ gerekip gerekmediğini kontrol edin.</translation>
    </message>
    <message>
        <source>An unfinished download that changed today — it may still be in progress.</source>
        <translation>Bugün değişmiş yarım kalmış bir indirme — hâlâ sürüyor olabilir.</translation>
    </message>
    <message>
        <source>An unfinished download that has not changed for over a day.</source>
        <translation>Bir günden uzun süredir değişmeyen yarım kalmış bir indirme.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>Android emulators</source>
        <translation>Android öykünücüleri</translation>
    </message>
    <message>
        <source>Below the display threshold of %@</source>
        <translation>%@ görüntüleme eşiğinin altında</translation>
    </message>
    <message>
        <source>Compiled again by %@ when apps and games run</source>
        <translation>Uygulamalar ve oyunlar çalıştığında %@ tarafından yeniden derlenir</translation>
    </message>
    <message>
        <source>Conda packages</source>
        <translation>Conda paketleri</translation>
    </message>
    <message>
        <source>Desktop search index</source>
        <translation>Masaüstü arama dizini</translation>
    </message>
    <message>
        <source>Docker data</source>
        <translation>Docker verileri</translation>
    </message>
    <message>
        <source>Downloaded again by %@ when needed</source>
        <translation>Gerektiğinde %@ tarafından yeniden indirilir</translation>
    </message>
    <message>
        <source>Downloaded again from your mail and calendar servers</source>
        <translation>E-posta ve takvim sunucularınızdan yeniden indirilir</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Döviz kurları</translation>
    </message>
    <message>
        <source>Fetched again by %@ when you are online</source>
        <translation>Çevrimiçi olduğunuzda %@ tarafından yeniden alınır</translation>
    </message>
    <message>
        <source>File search index (Baloo)</source>
        <translation>Dosya arama dizini (Baloo)</translation>
    </message>
    <message>
        <source>Flatpak apps and runtimes</source>
        <translation>Flatpak uygulamaları ve çalışma ortamları</translation>
    </message>
    <message>
        <source>Font cache</source>
        <translation>Yazı tipi önbelleği</translation>
    </message>
    <message>
        <source>Icon cache</source>
        <translation>Simge önbelleği</translation>
    </message>
    <message>
        <source>KDE service cache</source>
        <translation>KDE hizmet önbelleği</translation>
    </message>
    <message>
        <source>LM Studio models</source>
        <translation>LM Studio modelleri</translation>
    </message>
    <message>
        <source>Logs of an app Orvelane does not know; they may hold a history you keep, such as chats.</source>
        <translation>Orvelane'in tanımadığı bir uygulamanın günlükleri; sohbetler gibi sakladığınız bir geçmiş içerebilir.</translation>
    </message>
    <message>
        <source>Ollama models</source>
        <translation>Ollama modelleri</translation>
    </message>
    <message>
        <source>Plasma theme cache</source>
        <translation>Plasma tema önbelleği</translation>
    </message>
    <message>
        <source>Podman containers and images</source>
        <translation>Podman kapsayıcıları ve görüntüleri</translation>
    </message>
    <message>
        <source>Podman machines</source>
        <translation>Podman makineleri</translation>
    </message>
    <message>
        <source>Previous session error log</source>
        <translation>Önceki oturumun hata günlüğü</translation>
    </message>
    <message>
        <source>Put Back returns it to where it was.</source>
        <translation>Geri Koy, onu eski yerine döndürür.</translation>
    </message>
    <message>
        <source>Rebuilt as you browse your files</source>
        <translation>Dosyalarınıza göz attıkça yeniden oluşturulur</translation>
    </message>
    <message>
        <source>Rebuilt by %@ as you browse</source>
        <translation>Siz gezindikçe %@ tarafından yeniden oluşturulur</translation>
    </message>
    <message>
        <source>Rebuilt by %@ when it needs it</source>
        <translation>Gerektiğinde %@ tarafından yeniden oluşturulur</translation>
    </message>
    <message>
        <source>Rebuilt by the application that made it</source>
        <translation>Onu oluşturan uygulama tarafından yeniden oluşturulur</translation>
    </message>
    <message>
        <source>Recently active — close %@ and review before cleaning.</source>
        <translation>Yakın zamanda kullanılmış — temizlemeden önce %@ uygulamasını kapatın ve inceleyin.</translation>
    </message>
    <message>
        <source>Session error log</source>
        <translation>Oturum hata günlüğü</translation>
    </message>
    <message>
        <source>Software catalogue cache</source>
        <translation>Yazılım kataloğu önbelleği</translation>
    </message>
    <message>
        <source>Steam games</source>
        <translation>Steam oyunları</translation>
    </message>
    <message>
        <source>Steam games (Flatpak)</source>
        <translation>Steam oyunları (Flatpak)</translation>
    </message>
    <message>
        <source>Steam games (snap)</source>
        <translation>Steam oyunları (snap)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Küçük resimler</translation>
    </message>
    <message>
        <source>Vagrant boxes</source>
        <translation>Vagrant kutuları</translation>
    </message>
    <message>
        <source>Virtual machine disks</source>
        <translation>Sanal makine diskleri</translation>
    </message>
    <message>
        <source>Virtual machine disks (Flatpak)</source>
        <translation>Sanal makine diskleri (Flatpak)</translation>
    </message>
    <message>
        <source>VirtualBox machines</source>
        <translation>VirtualBox makineleri</translation>
    </message>
    <message>
        <source>Weather forecasts</source>
        <translation>Hava durumu tahminleri</translation>
    </message>
    <message>
        <source>Written again at your next login</source>
        <translation>Bir sonraki oturum açışınızda yeniden yazılır</translation>
    </message>
    <message>
        <source>Written again by %@ as it runs</source>
        <translation>%@ çalıştıkça yeniden yazılır</translation>
    </message>
    <message>
        <source>Written again when the X server next starts</source>
        <translation>X sunucusu bir sonraki başlatılışında yeniden yazılır</translation>
    </message>
    <message>
        <source>Written by %@ only if it crashes again</source>
        <translation>Yalnızca %@ yeniden çökerse yazılır</translation>
    </message>
    <message>
        <source>minikube clusters</source>
        <translation>minikube kümeleri</translation>
    </message>
    <message>
        <source>No large stores found.</source>
        <translation>Büyük bir depo bulunamadı.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Yolu Kopyala</translation>
    </message>
    <message>
        <source>Deleted on %@</source>
        <translation>Silinme tarihi: %@</translation>
    </message>
    <message>
        <source>No large stores found</source>
        <translation>Büyük depo bulunamadı</translation>
    </message>
    <message>
        <source>Stores of %@ or more are listed here. These smaller ones were found:</source>
        <translation>%@ ve üzeri depolar burada listelenir. Bulunan daha küçük depolar:</translation>
    </message>
    <message>
        <source>Stores of %@ or more are listed here.</source>
        <translation>%@ ve üzeri depolar burada listelenir.</translation>
    </message>
    <message>
        <source>The project's installed dependencies: removing them means installing them again, which needs the network.</source>
        <translation>Projenin kurulu bağımlılıkları: silmek onları yeniden kurmak demektir ve bunun için ağ bağlantısı gerekir.</translation>
    </message>
    <message>
        <source>A tool's cache inside the project: the tool's next run is only a little slower.</source>
        <translation>Proje içindeki bir aracın önbelleği: aracın bir sonraki çalışması yalnızca biraz daha yavaş olur.</translation>
    </message>
    <message>
        <source>Written by your current login session — clean it after you log out.</source>
        <translation>Şu anki oturumunuz tarafından yazılıyor — oturumu kapattıktan sonra temizleyin.</translation>
    </message>
    <message>
        <source>Mostly regenerable, but it may also hold something of yours that cannot be downloaded again.</source>
        <translation>Çoğunlukla yeniden oluşturulabilir, ancak size ait ve yeniden indirilemeyecek bir şey de içerebilir.</translation>
    </message>
    <message>
        <source>X server log</source>
        <translation>X sunucusu günlüğü</translation>
    </message>
    <message>
        <source>Previous X server log</source>
        <translation>Önceki X sunucusu günlüğü</translation>
    </message>
    <message>
        <source>%@ daemon logs</source>
        <translation>%@ arka plan hizmeti günlükleri</translation>
    </message>
    <message>
        <source>%@ service worker scripts</source>
        <translation>%@ service worker betikleri</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>The item could not be shown</source>
        <translation>Öğe gösterilemedi</translation>
    </message>
    <message>
        <source>No file manager could show “%@”. It is in %@.</source>
        <translation>Hiçbir dosya yöneticisi “%@” öğesini gösteremedi. Öğe şurada: %@.</translation>
    </message>
    <message>
        <source>Its Trash record points into a Trash or into Orvelane's own records.</source>
        <translation>Çöp Kutusu kaydı bir Çöp Kutusunun ya da Orvelane'in kendi kayıtlarının içini gösteriyor.</translation>
    </message>
    <message>
        <source>This clean cannot be undone: its record could not be kept (%@).</source>
        <translation>Bu temizlik geri alınamaz: kaydı saklanamadı (%@).</translation>
    </message>
    <message>
        <source>Another clean or undo is using the undo journal.</source>
        <translation>Geri alma günlüğünü başka bir temizlik ya da geri alma kullanıyor.</translation>
    </message>
    <message>
        <source>Undo Clean of %1</source>
        <translation>%1 Temizliğini Geri Al</translation>
    </message>
    <message numerus="yes">
        <source>%@ — %lld items, %@ — cleaned %@</source>
        <translation>
            <numerusform>%@ — %lld öğe, %@ — temizlendi: %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld days</source>
        <translation>
            <numerusform>Proje %lld gündür dokunulmadı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld months</source>
        <translation>
            <numerusform>Proje %lld aydır dokunulmadı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Project untouched for %lld years</source>
        <translation>
            <numerusform>Proje %lld yıldır dokunulmadı</numerusform>
        </translation>
    </message>
    <message>
        <source>You worked on this project this week — rebuilding costs time</source>
        <translation>Bu hafta bu proje üzerinde çalıştınız — yeniden derlemek zaman alır</translation>
    </message>
    <message>
        <source>Tidied up %@ — Undo in Orvelane puts it back.</source>
        <translation>%@ toparlandı — Orvelane'deki Geri Al onu geri koyar.</translation>
    </message>
    <message>
        <source>Deleted %@ of old items from the Trash.</source>
        <translation>Çöp Kutusu'ndan %@ eski öğe silindi.</translation>
    </message>
    <message>
        <source>Orvelane tidied up</source>
        <translation>Orvelane toparladı</translation>
    </message>
    <message>
        <source>Would move to the Trash (%@):</source>
        <translation>Çöp Kutusu'na taşınacak (%@):</translation>
    </message>
    <message>
        <source>Would delete from the Trash (%@):</source>
        <translation>Çöp Kutusu'ndan silinecek (%@):</translation>
    </message>
    <message>
        <source>Nothing to tidy up.</source>
        <translation>Toparlanacak bir şey yok.</translation>
    </message>
    <message>
        <source>Search names and places</source>
        <translation>Adlarda ve yerlerde ara</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Sırala</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Days</source>
        <translation>
            <numerusform>%lld Gündür Dokunulmayanları Seç</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Months</source>
        <translation>
            <numerusform>%lld Aydır Dokunulmayanları Seç</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Select Untouched for %lld Years</source>
        <translation>
            <numerusform>%lld Yıldır Dokunulmayanları Seç</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld files</source>
        <translation>
            <numerusform>%lld dosya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%lld folders</source>
        <translation>
            <numerusform>%lld klasör</numerusform>
        </translation>
    </message>
    <message>
        <source>%@ and %@</source>
        <translation>%@ ve %@</translation>
    </message>
    <message>
        <source>Never Offered Again</source>
        <translation>Bir Daha Önerilmeyenler</translation>
    </message>
    <message>
        <source>Nothing is excluded. Items you choose never to offer again are listed here.</source>
        <translation>Hariç tutulan bir şey yok. Bir daha önerilmemesini seçtiğiniz öğeler burada listelenir.</translation>
    </message>
    <message>
        <source>Offer Again %1</source>
        <translation>Yeniden Öner: %1</translation>
    </message>
    <message>
        <source>Weekly Tidy</source>
        <translation>Haftalık Toparlama</translation>
    </message>
    <message>
        <source>Tidy up automatically every week</source>
        <translation>Her hafta kendiliğinden toparla</translation>
    </message>
    <message>
        <source>Items unchanged for</source>
        <translation>Değişmeden geçen süre</translation>
    </message>
    <message>
        <source>Include build folders of untouched projects</source>
        <translation>Dokunulmamış projelerin derleme klasörlerini de dahil et</translation>
    </message>
    <message>
        <source>Projects count as untouched after</source>
        <translation>Dokunulmamış sayılma süresi</translation>
    </message>
    <message>
        <source>The weekly tidy is off. Its timer could not be stopped, but it does nothing while the tidy is off.</source>
        <translation>Haftalık toparlama kapalı. Zamanlayıcısı durdurulamadı, ancak toparlama kapalıyken hiçbir şey yapmaz.</translation>
    </message>
    <message>
        <source>The weekly tidy needs systemd's user service, which does not answer here, so it stays off.</source>
        <translation>Haftalık toparlama systemd kullanıcı hizmetine ihtiyaç duyar; bu hizmet burada yanıt vermediği için kapalı kalır.</translation>
    </message>
    <message>
        <source>The weekly tidy's timer could not be turned on, so the tidy stays off.</source>
        <translation>Haftalık toparlamanın zamanlayıcısı açılamadı, bu yüzden toparlama kapalı kalır.</translation>
    </message>
    <message>
        <source>Undo takes back what went to the Trash.</source>
        <translation>Geri Al, Çöp Kutusu'na taşınanları geri getirir.</translation>
    </message>
    <message numerus="yes">
        <source>%lld days</source>
        <translation>
            <numerusform>%lld gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Safe caches, logs and developer caches unchanged for %lld days go to the Trash, and Trash entries older than %lld days are deleted.</source>
        <translation>
            <numerusform>%lld gündür değişmeyen güvenli önbellekler, günlükler ve geliştirici önbellekleri Çöp Kutusu'na taşınır; %lld günden eski Çöp Kutusu öğeleri silinir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Build folders of projects untouched for %lld days go to the Trash too.</source>
        <translation>
            <numerusform>%lld gündür dokunulmamış projelerin derleme klasörleri de Çöp Kutusu'na taşınır.</numerusform>
        </translation>
    </message>
    <message>
        <source>under %@ %%</source>
        <translation>%%%@'den az</translation>
    </message>
    <message>
        <source>%@ %%</source>
        <translation>%%%@</translation>
    </message>
    <message>
        <source>%@ · %@ of the disk</source>
        <translation>%1$@ · diskteki payı %2$@</translation>
    </message>
    <message>
        <source>Disk: %@ used, %@ free</source>
        <translation>Disk: %1$@ kullanılıyor, %2$@ boş</translation>
    </message>
    <message>
        <source>Disk: %@ used, %@ reclaimable, %@ free</source>
        <translation>Disk: %1$@ kullanılıyor, %2$@ geri kazanılabilir, %3$@ boş</translation>
    </message>
    <message>
        <source>Everything else</source>
        <translation>Diğer her şey</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Boş</translation>
    </message>
    <message>
        <source>Disk usage</source>
        <translation>Disk kullanımı</translation>
    </message>
    <message>
        <source>What can be reclaimed is more than this disk has in use: some of it lies on another disk.</source>
        <translation>Geri kazanılabilecek alan bu diskte kullanılandan fazla: bir kısmı başka bir diskte.</translation>
    </message>
</context>
</TS>
