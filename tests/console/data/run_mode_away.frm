VERSION 5.00
Begin VB.Form Form1 
   ScaleMode       =   0  'User
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3600
      Left            =   0
      Top             =   0
      Width           =   4800
      LastActTab      =   1
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
      Caption         =   "Tab 1"
      CurrentTab      =   1
      HiddR           =   1
      TabContCtrlCnt(0)=   1
      Tab(0)ContCtrlCap(1)=   "Text1[0]"
      Tab(0)CtrlEnabled(1)=   -1  'True
      Tab(0)CtrlTabStop(1)=   -1  'True
      Begin VB.TextBox Text1 
         Enabled         =   0   'False
         Left            =   -74880
         TabIndex        =   1
         TabStop         =   0   'False
      End
   End
End
