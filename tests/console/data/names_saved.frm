VERSION 5.00
Begin VB.Form Form1 
   ScaleMode       =   0  'User
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3600
      Left            =   0
      Top             =   0
      Width           =   4800
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Tabs            =   2
      StripH          =   20
      Caption         =   "Tab 0"
      HiddR           =   1
      TabContCtrlCnt(1)=   2
      Tab(1)ContCtrlCap(1)=   "relio[0]"
      Tab(1)CtrlEnabled(1)=   -1  'True
      Tab(1)CtrlTabStop(1)=   0   'False
      Tab(1)ContCtrlCap(2)=   "ページ[3]"
      Tab(1)CtrlEnabled(2)=   -1  'True
      Tab(1)CtrlTabStop(2)=   0   'False
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
