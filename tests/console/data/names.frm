VERSION 5.00
Begin VB.Form Form1 
   ScaleMode       =   0  'User
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3600
      Left            =   0
      Top             =   0
      Width           =   4800
      Tabs            =   2
      TabContCtrlCnt(1)=   2
      Tab(1)ContCtrlCap(1)=   "RELﾓGIO[0]"
      Tab(1)CtrlEnabled(1)=   -1  'True
      Tab(1)CtrlTabStop(1)=   -1  'True
      Tab(1)ContCtrlCap(2)=   "ページ[3]"
      Tab(1)CtrlEnabled(2)=   -1  'True
      Tab(1)CtrlTabStop(2)=   -1  'True
      Begin VB.Label relio 
         Index           =   0
         Left            =   -74880
      End
      Begin VB.Label ページ 
         Index           =   3
         Left            =   -74500
      End
   End
End
