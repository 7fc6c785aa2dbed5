; The installer's own texts in each of its languages.

LangString WelcomeText ${LANG_ENGLISH} "This installs the Wavorin screen saver for you alone (no administrator rights are needed) and selects it as your screen saver.$\r$\n$\r$\nWavorin photographs your desktop and sends the picture diving through a tumbling translucent ring, with music if you like. Press Esc to end it.$\r$\n$\r$\n$(^ClickNext)"
LangString WelcomeText ${LANG_JAPANESE} "Wavorin スクリーン セーバーをこのユーザーにインストールし、スクリーン セーバーとして選択します。管理者の権限は必要ありません。$\r$\n$\r$\nWavorin はデスクトップを写し取り、その画像がゆっくり回る半透明のリングをくぐり抜けます。音楽も流せます。Esc キーで終了します。$\r$\n$\r$\n$(^ClickNext)"

LangString OpenScreenSaverSettings ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenScreenSaverSettings ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"

LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Also remove Wavorin's settings file (${WORK_DIR}\Wavorin.ini, which keeps the music you chose)?"
LangString RemoveSettingsQuestion ${LANG_JAPANESE} "Wavorin の設定ファイル (${WORK_DIR}\Wavorin.ini、選んだ音楽を記録しています) も削除しますか?"
