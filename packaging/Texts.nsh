; The installer's own texts in each of its languages.

LangString WelcomeText ${LANG_ENGLISH} "This installs the Wavorin screen saver for you alone (no administrator rights are needed) and selects it as your screen saver.$\r$\n$\r$\nWavorin photographs your desktop and sends the picture diving through a tumbling translucent ring, with music if you like. Press Esc to end it.$\r$\n$\r$\n$(^ClickNext)"
LangString WelcomeText ${LANG_JAPANESE} "Wavorin スクリーン セーバーをこのユーザーにインストールし、スクリーン セーバーとして選択します。管理者の権限は必要ありません。$\r$\n$\r$\nWavorin はデスクトップを写し取り、その画像がゆっくり回る半透明のリングをくぐり抜けます。音楽も流せます。Esc キーで終了します。$\r$\n$\r$\n$(^ClickNext)"

LangString OpenScreenSaverSettings ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenScreenSaverSettings ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"

LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Also remove Wavorin's settings file (${WORK_DIR}\Wavorin.ini, which keeps the music you chose)?"
LangString RemoveSettingsQuestion ${LANG_JAPANESE} "Wavorin の設定ファイル (${WORK_DIR}\Wavorin.ini、選んだ音楽を記録しています) も削除しますか?"

!define CHOOSE_SHORTCUT_ENGLISH "Choose Wavorin as the screen saver"
!define CHOOSE_SHORTCUT_JAPANESE "Wavorin をスクリーン セーバーに選ぶ"
!define SETTINGS_SHORTCUT_ENGLISH "Wavorin settings"
!define SETTINGS_SHORTCUT_JAPANESE "Wavorin の設定"
LangString ChooseShortcut ${LANG_ENGLISH} "${CHOOSE_SHORTCUT_ENGLISH}"
LangString ChooseShortcut ${LANG_JAPANESE} "${CHOOSE_SHORTCUT_JAPANESE}"
LangString SettingsShortcut ${LANG_ENGLISH} "${SETTINGS_SHORTCUT_ENGLISH}"
LangString SettingsShortcut ${LANG_JAPANESE} "${SETTINGS_SHORTCUT_JAPANESE}"

LangString WavorinRunning ${LANG_ENGLISH} "Wavorin is running from $INSTDIR (its preview in the screen saver settings, its settings or the screen saver itself), so its files cannot be replaced or removed.$\r$\n$\r$\nClose it, then choose Retry; or choose Cancel to leave everything as it is."
LangString WavorinRunning ${LANG_JAPANESE} "$INSTDIR の Wavorin が動作中のため (スクリーン セーバーの設定のプレビュー、Wavorin の設定、またはスクリーン セーバー本体)、ファイルを置き換えることも削除することもできません。$\r$\n$\r$\nWavorin を閉じてから [再試行] を選んでください。[キャンセル] を選ぶと何も変更しません。"

LangString FilesRemain ${LANG_ENGLISH} "Some of Wavorin's files in $INSTDIR could not be removed. Wavorin stays in the list of installed programs: close whatever uses them and uninstall again."
LangString FilesRemain ${LANG_JAPANESE} "$INSTDIR にある Wavorin のファイルの一部を削除できませんでした。Wavorin はインストールされたプログラムの一覧に残ります。ファイルを使っているプログラムを閉じてから、もう一度アンインストールしてください。"

LangString PolicyDecides ${LANG_ENGLISH} "Wavorin has been installed.$\r$\n$\r$\nA policy on this computer decides the screen saver, so Wavorin may not be the one that runs; no policy was changed."
LangString PolicyDecides ${LANG_JAPANESE} "Wavorin はインストールされました。$\r$\n$\r$\nこのコンピューターではポリシーがスクリーン セーバーを決めているため、Wavorin が使われないことがあります (ポリシーは変更していません)。"

LangString FolderNeedsShortName ${LANG_ENGLISH} "Windows could not start a screen saver from $INSTDIR: the folder's name has a space, and its drive keeps no short name without one.$\r$\n$\r$\nChoose a folder whose path has no spaces, such as C:\Wavorin."
LangString FolderNeedsShortName ${LANG_JAPANESE} "$INSTDIR からはスクリーン セーバーを起動できません。フォルダー名に空白があり、このドライブは空白のない短い名前を持ちません。$\r$\n$\r$\n空白のないパスのフォルダー (C:\Wavorin など) を選んでください。"
